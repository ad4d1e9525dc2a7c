// The checks: a reader either fails with one line and no points, or succeeds with finite points
// within the bounds; the DXF pre-pass's own text is a DXF again; the point checks never throw.
#include "points_harness.h"

#include <cmath>

#include "match/dxf_groups.h"
#include "match/dxf_points.h"
#include "match/point_checks.h"
#include "match/text_points.h"

namespace {

std::string CheckResult(const char* reader, const PointReadResult& r) {
  const std::string name(reader);
  if (r.ok()) {
    if (r.points.size() > kMaxPoints) return name + ": more points than the bound";
    for (const MatchPoint& p : r.points)
      if (!std::isfinite(p.x) || !std::isfinite(p.y)) return name + ": a point that is not finite";
    const std::string checked = CheckPoints(r.points, kMinPoints);
    if (checked.find('\n') != std::string::npos) return name + ": a point check of more than one line";
  } else {
    if (!r.points.empty()) return name + ": points beside an error";
    if (r.error.find('\n') != std::string::npos) return name + ": an error of more than one line";
  }
  return {};
}

}  // namespace

std::string RunPointsInput(std::string_view bytes) {
  std::string broken = CheckResult("text", ReadTextPoints(bytes));
  if (!broken.empty()) return broken;
  LooksLikeDxf(bytes);
  const CleanDxf clean = RebuildDxf(bytes);
  if (clean.error.empty() && !LooksLikeDxf(clean.text)) return "dxf: the rebuilt text is not a DXF";
  broken = CheckResult("dxf", ReadDxfPoints(bytes, "", 10.0));
  if (!broken.empty()) return broken;
  return CheckResult("dxf layer", ReadDxfPoints(bytes, "OUTLINE", 25.4));
}
