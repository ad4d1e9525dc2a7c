// dxflib's creation interface, collecting pieces. An entity whose extrusion points down (230 < 0)
// is drawn mirrored: its object coordinates have x turned round, and its arcs run the other way.
#include "match/dxf_pieces.h"

#include <dl_creationadapter.h>
#include <dl_dxf.h>

#include <cmath>
#include <sstream>

#include "geometry/math_constants.h"

namespace {

constexpr double kRadiansPerDegree = kPi / 180.0;

class PieceCollector : public DL_CreationAdapter {
 public:
  explicit PieceCollector(DxfDrawing* drawing) : m_drawing(drawing) {}

  void setVariableInt(const std::string& key, int value, int /*code*/) override {
    if (key == "$INSUNITS") m_drawing->insUnits = value;
  }
  void addLine(const DL_LineData& d) override {
    DxfPiece& p = Begin(PieceKind::Polyline);
    p.vertices = {{{d.x1, d.y1}, 0.0}, {{d.x2, d.y2}, 0.0}};
    m_open = kNone;
  }
  void addPolyline(const DL_PolylineData& d) override {
    DxfPiece& p = Begin(PieceKind::Polyline);
    p.closed = (d.flags & 1) != 0;
    m_open = m_drawing->pieces.size() - 1;
    m_openMirrored = Mirrored();
  }
  void addVertex(const DL_VertexData& d) override {
    if (m_open == kNone) return;  // a VERTEX outside a POLYLINE
    const double sign = m_openMirrored ? -1.0 : 1.0;
    m_drawing->pieces[m_open].vertices.push_back({{sign * d.x, d.y}, sign * d.bulge});
  }
  void addArc(const DL_ArcData& d) override {
    DxfPiece& p = Begin(PieceKind::Arc);
    const double sign = Mirrored() ? -1.0 : 1.0;
    p.centre = {sign * d.cx, d.cy};
    p.radius = d.radius;
    // Mirrored, the arc from a1 to a2 anticlockwise becomes the one from 180-a2 to 180-a1.
    p.start = (Mirrored() ? 180.0 - d.angle2 : d.angle1) * kRadiansPerDegree;
    p.end = (Mirrored() ? 180.0 - d.angle1 : d.angle2) * kRadiansPerDegree;
    m_open = kNone;
  }
  void addEllipse(const DL_EllipseData& d) override;
  void addSpline(const DL_SplineData& d) override {
    DxfPiece& p = Begin(PieceKind::Spline);
    p.degree = int(d.degree);
    p.closed = (d.flags & 1) != 0;
    m_open = kNone;
  }
  void addControlPoint(const DL_ControlPointData& d) override {
    if (!Last(PieceKind::Spline)) return;
    m_drawing->pieces.back().controls.push_back({d.x, d.y});
    m_drawing->pieces.back().weights.push_back(d.w);
  }
  void addFitPoint(const DL_FitPointData& d) override {
    if (Last(PieceKind::Spline)) m_drawing->pieces.back().fits.push_back({d.x, d.y});
  }
  void addKnot(const DL_KnotData& d) override {
    if (Last(PieceKind::Spline)) m_drawing->pieces.back().knots.push_back(d.k);
  }
  void endSequence() override { m_open = kNone; }

 private:
  DxfPiece& Begin(PieceKind kind) {
    m_drawing->pieces.emplace_back();
    DxfPiece& p = m_drawing->pieces.back();
    p.kind = kind;
    p.layer = getAttributes().getLayer();
    return p;
  }
  bool Last(PieceKind kind) const {
    return !m_drawing->pieces.empty() && m_drawing->pieces.back().kind == kind;
  }
  bool Mirrored() { return getExtrusion()->getDirection()[2] < 0.0; }

  DxfDrawing* m_drawing;
  static constexpr std::size_t kNone = std::size_t(-1);
  std::size_t m_open = kNone;  // the POLYLINE whose VERTEX entities follow
  bool m_openMirrored = false;
};

// The major axis is in world coordinates; the minor one turns from it by the extrusion's sense.
void PieceCollector::addEllipse(const DL_EllipseData& d) {
  DxfPiece& p = Begin(PieceKind::Ellipse);
  const double sign = Mirrored() ? -1.0 : 1.0;
  p.centre = {d.cx, d.cy};
  p.major = {d.mx, d.my};
  p.minor = {-sign * d.ratio * d.my, sign * d.ratio * d.mx};
  p.start = d.angle1;
  p.end = d.angle2;
  p.closed = std::fabs(d.angle2 - d.angle1) >= 2.0 * kPi - 1e-9;
  m_open = kNone;
}

}  // namespace

bool ReadDxfPieces(const std::string& cleanText, DxfDrawing* drawing) {
  PieceCollector collector(drawing);
  std::istringstream stream(cleanText);
  DL_Dxf dxf;
  return dxf.in(stream, &collector);
}
