// One entry for both readers: the size bound, the choice of reader, the units and the extent.
#include "match/point_file.h"

#include <cmath>

#include "dxf/dxf_groups.h"
#include "match/dxf_points.h"
#include "match/text_points.h"

namespace {

// False when a number overflows.
bool ConvertText(PointSet& set, const PointReadOptions& o) {
  if (!o.pointsUnitMm || *o.pointsUnitMm == o.designUnitMm) return true;
  const double mm = *o.pointsUnitMm;
  for (Point2& p : set.points) {
    p = {p.x * mm / o.designUnitMm, p.y * mm / o.designUnitMm};
    if (!std::isfinite(p.x) || !std::isfinite(p.y)) return false;
  }
  return true;
}

double ExtentMm(const PointSet& set, double unitMm) {
  if (set.points.empty()) return 0.0;
  double x0 = set.points[0].x, x1 = x0, y0 = set.points[0].y, y1 = y0;
  for (const Point2& p : set.points) {
    x0 = std::fmin(x0, p.x), x1 = std::fmax(x1, p.x);
    y0 = std::fmin(y0, p.y), y1 = std::fmax(y1, p.y);
  }
  return std::fmax(x1 - x0, y1 - y0) * unitMm;
}

}  // namespace

bool ImplausibleBodyExtent(double extentMm) {
  return extentMm > kLargestBodyMm || extentMm < kSmallestBodyMm;
}

bool ReadAsDxf(std::string_view bytes, const PointReadOptions& options) {
  return options.dxfName || LooksLikeDxf(bytes);
}

Result<PointSet> ReadPointFile(std::string_view bytes, const PointReadOptions& options) {
  if (bytes.size() > kMaxPointFileBytes)
    return Error{"the file is larger than " + std::to_string(kMaxPointFileBytes >> 20) + " MB"};
  const bool dxf = ReadAsDxf(bytes, options);
  Result<PointSet> set =
      dxf ? ReadDxfPoints(bytes, {options.layer, options.designUnitMm, options.pointsUnitMm})
          : ReadTextPoints(bytes);
  if (!set) return set;
  if (!dxf && !ConvertText(*set, options))
    return Error{"a coordinate overflows when converted into the design's unit"};
  set->extentMm = ExtentMm(*set, options.designUnitMm);
  if (!dxf) set->fileUnitMm = options.pointsUnitMm.value_or(options.designUnitMm);
  return set;
}
