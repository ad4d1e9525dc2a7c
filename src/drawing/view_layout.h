// What a paint of the design depends on besides the document: the view's four switches, and the
// scale and origin that the last paint chose, which map model units to window pixels.
#pragma once

class CVeskDoc;
struct CRect;

struct ViewFlags {
  int vertical = 0;          // the whole body standing, neck end up
  int showData = 0;          // the four measurements and the side length under the scale
  int showFingerboard = 0;   // frets, saddle and edges over the body
  int fingerboardReady = 0;  // the soundhole dialog found the fingerboard data sufficient
};

struct ViewLayout {
  double scale = 0.0;  // whole pixels per model unit
  double offsetX = 0.0;
  double offsetY = 0.0;

  // Model to window: v * scale + offset, truncated toward zero; values beyond the int range
  // saturate and NaN gives 0.
  int WindowX(double v) const;
  int WindowY(double v) const;

  // The whole-pixel scale and the origin that fit the body into the client area with an 8-pixel
  // margin. False when the scale is below 1 or anything is not finite; the fields are set anyway.
  bool Choose(const CRect& client, const CVeskDoc& doc, int vertical);
};

// Outline parameter step for a scale: about one segment per pixel, at most 1 degree; sideLength is
// the outline's SideLength(1.0).
double AngleStep(double scale, double sideLength);
