// The checks: a reader either fails with one line, or succeeds with finite points within the bounds
// (and one source line per point when it gives lines); the DXF pre-pass's own text is a DXF again;
// the point checks never throw.
#include "points_harness.h"

#include <cmath>

#include "dxf/dxf_groups.h"
#include "match/dxf_clean.h"
#include "match/point_checks.h"
#include "match/point_file.h"

namespace {

std::string CheckResult(const char* reader, const Result<PointSet>& r) {
  const std::string name(reader);
  if (!r.ok()) {
    if (r.error().message.empty()) return name + ": an error without a message";
    if (r.error().message.find('\n') != std::string::npos) return name + ": an error of more than one line";
    return {};
  }
  if (r->points.size() > kMaxPoints) return name + ": more points than the bound";
  if (!r->lines.empty() && r->lines.size() != r->points.size()) return name + ": lines not one per point";
  for (const Point2& p : r->points)
    if (!std::isfinite(p.x) || !std::isfinite(p.y)) return name + ": a point that is not finite";
  const Status checked = CheckPoints(r->points, kMinPoints);
  if (!checked && checked.error().message.find('\n') != std::string::npos)
    return name + ": a point check of more than one line";
  return {};
}

}  // namespace

std::string RunPointsInput(std::string_view bytes) {
  std::string broken = CheckResult("text", ReadPointFile(bytes, {false, "", 10.0, std::nullopt}));
  if (!broken.empty()) return broken;
  const Result<CleanDxf> clean = RebuildDxf(bytes);
  if (clean && !LooksLikeDxf(clean->text)) return "dxf: the rebuilt text is not a DXF";
  broken = CheckResult("dxf", ReadPointFile(bytes, {true, "", 10.0, std::nullopt}));
  if (!broken.empty()) return broken;
  return CheckResult("dxf layer", ReadPointFile(bytes, {true, "OUTLINE", 25.4, 1000.0}));
}
