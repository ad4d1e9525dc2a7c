// The DXF point reader: the rebuilt, checked DXF (dxf_clean) read by dxflib into pieces
// (dxf_pieces), the pieces sampled layer by layer (dxf_sampling), one layer or all chosen, and the
// points converted. Exact duplicates (a LINE's end that is the next one's start, a closed
// polyline's last vertex) are kept once.
#include "match/dxf_points.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>

#include "dxf/text_lines.h"
#include "match/closed_curves.h"
#include "match/dxf_clean.h"
#include "match/dxf_pieces.h"
#include "match/dxf_sampling.h"

namespace {

struct Layer {
  std::string name;
  std::vector<const DxfPiece*> pieces;
  std::vector<SampledPiece> samples;
  std::size_t count = 0;
  double closedArea = 0.0;
};

std::string UnitText(double mm) {
  if (mm == 1.0) return "millimetres";
  if (mm == 10.0) return "centimetres";
  if (mm == 25.4) return "inches";
  if (mm == 1000.0) return "metres";
  return std::to_string(mm) + " mm units";
}

// Millimetres in one unit of the file's numbers.
Result<double> FileUnit(int insUnits, const std::optional<double>& given, std::vector<std::string>* notes) {
  const double declared = insUnits > 0 ? MillimetresPerInsUnit(insUnits) : 0.0;
  if (given) {
    if (insUnits > 0 && declared != *given)
      notes->push_back("read in " + UnitText(*given) + " as asked; the DXF says $INSUNITS " +
                       std::to_string(insUnits) + (declared > 0.0 ? " (" + UnitText(declared) + ")" : ""));
    return *given;
  }
  if (insUnits <= 0) {
    notes->push_back("the DXF names no unit ($INSUNITS); read as millimetres");
    return 1.0;
  }
  if (declared == 0.0)
    return Error{"$INSUNITS " + std::to_string(insUnits) + " is not a length unit vesk reads"};
  return declared;
}

// Layers compare without case, as CAD programs do; each keeps the spelling it was first seen with.
std::vector<Layer> GroupLayers(const DxfDrawing& drawing) {
  std::vector<Layer> layers;
  for (const DxfPiece& piece : drawing.pieces) {
    auto it = std::find_if(layers.begin(), layers.end(),
                           [&](const Layer& l) { return EqualsIgnoringCase(l.name, piece.layer); });
    if (it == layers.end()) it = layers.insert(layers.end(), Layer{piece.layer, {}, {}, 0, 0.0});
    it->pieces.push_back(&piece);
  }
  return layers;
}

double Extent(const std::vector<SampledPiece>& samples) {
  double x0 = HUGE_VAL, x1 = -HUGE_VAL, y0 = HUGE_VAL, y1 = -HUGE_VAL;
  for (const SampledPiece& s : samples)
    for (const Point2& p : s.points) {
      x0 = std::fmin(x0, p.x), x1 = std::fmax(x1, p.x);
      y0 = std::fmin(y0, p.y), y1 = std::fmax(y1, p.y);
    }
  return x1 >= x0 ? std::hypot(x1 - x0, y1 - y0) : 0.0;
}

std::uint64_t Bits(double v) {
  v += 0.0;  // -0.0 and 0.0 are the same point
  std::uint64_t b;
  std::memcpy(&b, &v, sizeof b);
  return b;
}

// The points in file order, each exact duplicate after its first dropped.
std::vector<Point2> Unique(std::vector<Point2> points) {
  struct Key {
    std::uint64_t x, y;
    std::size_t index;
  };
  std::vector<Key> keys(points.size());
  for (std::size_t i = 0; i < points.size(); ++i) keys[i] = {Bits(points[i].x), Bits(points[i].y), i};
  std::sort(keys.begin(), keys.end(), [](const Key& a, const Key& b) {
    return a.x != b.x ? a.x < b.x : a.y != b.y ? a.y < b.y : a.index < b.index;
  });
  std::vector<char> keep(points.size(), 1);
  for (std::size_t i = 1; i < keys.size(); ++i)
    if (keys[i].x == keys[i - 1].x && keys[i].y == keys[i - 1].y) keep[keys[i].index] = 0;
  std::vector<Point2> out;
  for (std::size_t i = 0; i < points.size(); ++i)
    if (keep[i]) out.push_back(points[i]);
  return out;
}

std::vector<Point2> Joined(const std::vector<SampledPiece>& samples) {
  std::vector<Point2> points;
  for (const SampledPiece& s : samples) points.insert(points.end(), s.points.begin(), s.points.end());
  return points;
}

// Samples every layer at its own spacing; the whole file stays within kMaxPoints.
Status SampleLayers(std::vector<Layer>& layers, double mmPerUnit, std::vector<std::string>* notes) {
  std::size_t total = 0, skipped = 0;
  for (Layer& layer : layers) {
    const double spacing = SampleSpacing(layer.pieces, kLargestSampleSpacingMm / mmPerUnit,
                                         kSmallestSampleSpacingMm / mmPerUnit);
    for (const DxfPiece* piece : layer.pieces) {
      PieceSamples s;
      if (!SamplePiece(*piece, spacing, kMaxPoints - total, &s))
        return Error{"more than " + std::to_string(kMaxPoints) + " points"};
      total += s.points.size();
      skipped += s.skipped ? 1 : 0;
      layer.samples.push_back({std::move(s.points), piece->closed});
    }
    layer.count = Unique(Joined(layer.samples)).size();
    layer.closedArea = LargestClosedArea(layer.samples, std::fmax(1e-5 * Extent(layer.samples), 1e-300));
  }
  if (skipped > 0)
    notes->push_back(std::to_string(skipped) + " SPLINE" + (skipped > 1 ? "s" : "") +
                     " skipped: knots, weights or degree that define no curve");
  return {};
}

// The named layer; else the one with the largest closed curve; else all of them (nullptr).
Result<const Layer*> ChooseLayer(const std::vector<Layer>& layers, const std::string& name,
                                 std::vector<std::string>* notes) {
  if (!name.empty()) {
    for (const Layer& layer : layers)
      if (EqualsIgnoringCase(layer.name, name) && layer.count > 0) return &layer;
    std::string known;
    for (const Layer& layer : layers)
      if (layer.count > 0) known += (known.empty() ? "" : ", ") + layer.name;
    return Error{"no points on layer '" + name + "'" + (known.empty() ? "" : " (layers: " + known + ")")};
  }
  const Layer* best = nullptr;
  std::size_t withPoints = 0, closed = 0;
  for (const Layer& layer : layers) {
    withPoints += layer.count > 0 ? 1 : 0;
    closed += layer.closedArea > 0.0 ? 1 : 0;
    if (layer.closedArea > 0.0 && (best == nullptr || layer.closedArea > best->closedArea)) best = &layer;
  }
  if (withPoints == 1)
    for (const Layer& layer : layers)
      if (layer.count > 0) return &layer;
  if (best == nullptr) return static_cast<const Layer*>(nullptr);
  notes->push_back("read layer '" + best->name + "', the one with the largest closed curve" +
                   (closed > 1 ? " of " + std::to_string(closed) + " layers that hold one" : ""));
  return best;
}

// Converted as (x mm) / unit, so that millimetres into centimetres is one correctly rounded division.
Result<std::vector<Point2>> Gather(const std::vector<Layer>& layers, const Layer* chosen, double mm,
                                   double unitMm) {
  std::vector<Point2> points;
  for (const Layer& layer : layers) {
    if (chosen != nullptr && chosen != &layer) continue;
    const std::vector<Point2> more = Joined(layer.samples);
    points.insert(points.end(), more.begin(), more.end());
  }
  points = Unique(std::move(points));
  for (Point2& p : points) {
    if (mm != unitMm) p = {p.x * mm / unitMm, p.y * mm / unitMm};
    if (!std::isfinite(p.x) || !std::isfinite(p.y))
      return Error{"a coordinate overflows when converted into the design's unit"};
  }
  return points;
}

}  // namespace

double MillimetresPerInsUnit(int code) {
  switch (code) {
    case 1:
      return 25.4;  // inches
    case 2:
      return 304.8;  // feet
    case 4:
      return 1.0;  // millimetres
    case 5:
      return 10.0;  // centimetres
    case 6:
      return 1000.0;  // metres
    case 8:
      return 25.4e-6;  // microinches
    case 9:
      return 0.0254;  // mils
    case 10:
      return 914.4;  // yards
    case 13:
      return 1e-3;  // microns
    case 14:
      return 100.0;  // decimetres
    default:
      return 0.0;
  }
}

Result<PointSet> ReadDxfPoints(std::string_view bytes, const DxfReadOptions& options) {
  const Result<CleanDxf> clean = RebuildDxf(bytes);
  if (!clean) return clean.error();
  if (!clean->hasEntitiesSection) return Error{"the DXF has no ENTITIES section"};
  DxfDrawing drawing;
  if (!ReadDxfPieces(clean->text, &drawing)) return Error{"dxflib cannot read the DXF"};
  PointSet set;
  const Result<double> unit = FileUnit(drawing.insUnits, options.pointsUnitMm, &set.notes);
  if (!unit) return unit.error();
  set.fileUnitMm = *unit;
  std::vector<Layer> layers = GroupLayers(drawing);
  if (const Status sampled = SampleLayers(layers, *unit, &set.notes); !sampled) return sampled.error();
  for (const Layer& layer : layers)
    if (layer.count > 0) set.layers.push_back({layer.name, layer.count, layer.closedArea * *unit * *unit});
  if (set.layers.empty())
    return Error{"the DXF has no LINE, POLYLINE, LWPOLYLINE, ARC, ELLIPSE or SPLINE points"};
  const Result<const Layer*> chosen = ChooseLayer(layers, options.layer, &set.notes);
  if (!chosen) return chosen.error();
  if (*chosen != nullptr) set.layer = (*chosen)->name;
  Result<std::vector<Point2>> points = Gather(layers, *chosen, *unit, options.designUnitMm);
  if (!points) return points.error();
  set.points = std::move(*points);
  return set;
}
