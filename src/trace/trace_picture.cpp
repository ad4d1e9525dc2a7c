// The trace's steps in order; OpenCV's exceptions (memory, a codec's failure) end as one line.
#include "trace/trace_picture.h"

#include <algorithm>
#include <cmath>
#include <opencv2/imgproc.hpp>
#include <string>

#include "trace/check_square.h"
#include "trace/outline_refine.h"
#include "trace/outline_region.h"
#include "trace/picture.h"
#include "trace/plane_frame.h"
#include "trace/plane_points.h"
#include "trace/trace_overlay.h"

namespace {

// Longer than any instrument's outline by far: 200,000 points at 1 mm (the match's limit).
constexpr double kMaxPerimeterMm = 200000.0;

std::string OneLine(std::string text) {
  std::replace(text.begin(), text.end(), '\n', ' ');
  return text;
}

Result<TraceResult> Trace(std::string_view bytes, const TraceOptions& o) {
  const Result<Picture> picture = DecodePicture(bytes, o.quietDecoders);
  if (!picture.ok()) return picture.error();
  const std::optional<CheckSquare> square =
      o.findSquare ? FindCheckSquare(picture->bgr) : std::optional<CheckSquare>();
  const Result<PlaneFrame> frame = ChoosePlaneFrame(square, *picture, o.squareSideMm, o.dpi);
  if (!frame.ok()) return frame.error();
  cv::Mat grey, greyFloat;
  cv::cvtColor(picture->bgr, grey, cv::COLOR_BGR2GRAY);
  const Result<CoarseOutline> coarse = FindCoarseOutline(grey, square, frame->pixelsPerMm);
  if (!coarse.ok()) return coarse.error();
  grey.convertTo(greyFloat, CV_32F);
  const Result<ClosedCurve> fine = RefineOutline(greyFloat, *coarse, frame->pixelsPerMm);
  if (!fine.ok()) return fine.error();
  const ClosedCurve plane = ToPlane(*fine, frame->toMm);
  const double perimeter = Perimeter(plane);
  if (!std::isfinite(perimeter))
    return Error{"no closed curve: the outline found does not lie on the check square's plane"};
  if (perimeter > kMaxPerimeterMm)
    return Error{"no closed curve of a sensible size: the outline found is " +
                 std::to_string(std::lround(perimeter / 1000.0)) + " m long (check --dpi)"};
  const ClosedCurve outline = EvenlySpaced(plane, o.spacingMm);
  if (outline.empty()) return Error{"no closed curve: the outline found is too small"};

  TraceResult r;
  r.points = OutputPoints(outline, o.unitMm);
  r.origin = OutputOrigin(outline, o.unitMm);
  r.kind = coarse->kind == OutlineKind::Silhouette ? TracedKind::Silhouette : TracedKind::DrawnLine;
  r.pixelsPerMm = frame->pixelsPerMm;
  r.scaleSource = frame->source;
  r.tiltDegrees = frame->tiltDegrees;
  for (const Point2& p : r.points) r.width = std::max(r.width, p.x), r.height = std::max(r.height, p.y);
  r.pictureWidth = picture->bgr.cols;
  r.pictureHeight = picture->bgr.rows;
  if (o.overlay) {
    r.overlayPng = DrawOverlay(picture->bgr, *frame, outline, square);
    if (r.overlayPng.empty()) return Error{"the overlay picture could not be made"};
  }
  return r;
}

}  // namespace

Result<TraceResult> TracePicture(std::string_view fileBytes, const TraceOptions& options) {
  try {
    return Trace(fileBytes, options);
  } catch (const std::bad_alloc&) {
    return Error{"not enough memory to trace the picture"};
  } catch (const cv::Exception& e) {
    return Error{"the picture could not be traced: " + OneLine(e.err)};
  } catch (const std::exception& e) {
    return Error{"the picture could not be traced: " + OneLine(e.what())};
  }
}
