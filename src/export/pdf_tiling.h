// How a drawing is split over printer pages: the paper, its orientation (whichever needs fewer
// pages, portrait on a tie), the rows and columns, and where each tile lies in the drawing.
#pragma once

#include <QString>

#include "geometry/result.h"

enum class Paper { A4, Letter };

bool ParsePaper(const QString& text, Paper* paper);

// Every page keeps this much white all round, where printers cannot print; tiles meet inside it.
inline constexpr double kPageMarginMm = 10.0;
// Below each tile, inside the margin, a band of the page that no drawing reaches: the page's label,
// its check mark and the assembly map go there, so they never lie over the drawing.
inline constexpr double kFurnitureBandMm = 24.0;
inline constexpr int kMaxPages = 1000;

struct TilePlan {
  bool landscape = false;
  double pageWidthMm = 0.0, pageHeightMm = 0.0;    // as printed, after orientation
  double frameWidthMm = 0.0, frameHeightMm = 0.0;  // the tile: the page inside the margin, above the band
  double overlapMm = 0.0;
  int rows = 0, cols = 0;
  // The drawing's top-left corner in the tiled strip (mm), which centres it on the pages.
  double drawingLeftMm = 0.0, drawingTopMm = 0.0;

  int PageCount() const { return rows * cols; }  // tiles; the title page comes after them
  double StepXMm() const { return frameWidthMm - overlapMm; }
  double StepYMm() const { return frameHeightMm - overlapMm; }
  // The strip's top-left corner shown by tile (row, col), both from 0.
  double TileLeftMm(int col) const { return col * StepXMm(); }
  double TileTopMm(int row) const { return row * StepYMm(); }
};

// Tiles along one direction: one frame, then one more per frame less the overlap.
double TilesAlong(double extentMm, double frameMm, double overlapMm);

// The plan, or a refusal: the overlap leaves no room, or the drawing needs more than kMaxPages pages.
Result<TilePlan> PlanTiles(double drawingWidthMm, double drawingHeightMm, Paper paper, double overlapMm);

// "A1", "A2", ... "B1": the row as letters (A..Z, AA, AB, ...), the column as a number from 1.
QString TileLabel(int row, int col);
