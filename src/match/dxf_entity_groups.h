// One entity of a DXF's ENTITIES section as the pre-pass keeps it: its type, layer, extrusion sign
// and the numbers dxflib will read, checked as they arrive and written back in a fixed order with
// the true counts (an LWPOLYLINE's vertices, a SPLINE's knots, control and fit points).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "dxf/dxf_groups.h"
#include "geometry/point2.h"

// The numbers of the whole file: every point-like group (10, 11, a knot) counts against kMaxPoints.
struct GroupBudget {
  std::size_t used = 0;
};

enum class EntityType { None, Line, Polyline, Vertex, SeqEnd, LwPolyline, Arc, Ellipse, Spline };

class EntityGroups {
 public:
  EntityGroups() = default;
  // A new entity of the named type; one vesk does not read is kept as None and writes nothing.
  explicit EntityGroups(std::string_view typeName);

  // Empty when the group is fine (or of no interest); otherwise the one-line error.
  std::string Take(const DxfGroup& g, GroupBudget* budget);
  // Appends the rebuilt entity, or nothing when it is not kept.
  void Write(std::string* out) const;

 private:
  struct Vertex {
    Point2 at;
    double bulge = 0.0;
  };
  std::string TakeNumber(const DxfGroup& g, double value);
  std::string TakeInteger(const DxfGroup& g);
  bool WantsReal(int code) const;
  void WriteVertices(std::string* out) const;
  void WriteSpline(std::string* out) const;

  EntityType m_type = EntityType::None;
  std::string m_layer = "0";
  long m_flags = 0;     // 70
  long m_degree = 3;    // 71, a SPLINE's
  bool m_face = false;  // a polyface mesh's face record: indices, not a point
  bool m_extrudedDown = false;
  double m_single[100] = {};  // the last value of each single-valued code below 100
  bool m_has[100] = {};
  std::vector<Vertex> m_vertices;  // LWPOLYLINE vertices, or SPLINE control points
  std::vector<Point2> m_fits;
  std::vector<double> m_knots, m_weights;
};
