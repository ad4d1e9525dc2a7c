// Which groups each entity type keeps, and how it is written back.
#include "match/dxf_entity_groups.h"

#include <charconv>

#include "match/point_set.h"

namespace {

struct TypeName {
  const char* name;
  EntityType type;
};
constexpr TypeName kTypes[] = {
    {"LINE", EntityType::Line},       {"POLYLINE", EntityType::Polyline},     {"VERTEX", EntityType::Vertex},
    {"SEQEND", EntityType::SeqEnd},   {"LWPOLYLINE", EntityType::LwPolyline}, {"ARC", EntityType::Arc},
    {"ELLIPSE", EntityType::Ellipse}, {"SPLINE", EntityType::Spline}};

const char* NameOf(EntityType type) {
  for (const TypeName& t : kTypes)
    if (t.type == type) return t.name;
  return "";
}

std::string Number(double v) {
  char buffer[32];
  const auto end = std::to_chars(buffer, buffer + sizeof buffer, v).ptr;
  return std::string(buffer, end);
}

void Put(std::string* out, int code, const std::string& value) {
  *out += std::to_string(code);
  *out += '\n';
  *out += value;
  *out += '\n';
}

// A layer name as dxflib will read it back: printable, one line.
std::string LayerText(std::string_view name) {
  std::string s(name.substr(0, 255));
  for (char& c : s)
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) c = '_';
  return s.empty() ? std::string("0") : s;
}

// The single-valued codes each type keeps (0-terminated).
const int* SingleCodes(EntityType type) {
  static const int kLine[] = {10, 20, 11, 21, 0};
  static const int kVertex[] = {10, 20, 42, 0};
  static const int kArc[] = {10, 20, 40, 50, 51, 0};
  static const int kEllipse[] = {10, 20, 11, 21, 40, 41, 42, 0};
  static const int kNone[] = {0};
  switch (type) {
    case EntityType::Line:
      return kLine;
    case EntityType::Vertex:
      return kVertex;
    case EntityType::Arc:
      return kArc;
    case EntityType::Ellipse:
      return kEllipse;
    default:
      return kNone;
  }
}

bool Contains(const int* codes, int code) {
  for (; *codes != 0; ++codes)
    if (*codes == code) return true;
  return false;
}

}  // namespace

EntityGroups::EntityGroups(std::string_view typeName) {
  for (const TypeName& t : kTypes)
    if (EqualsIgnoringCase(typeName, t.name)) m_type = t.type;
}

bool EntityGroups::WantsReal(int code) const {
  if (code == 230) return true;
  if (Contains(SingleCodes(m_type), code)) return true;
  if (m_type == EntityType::LwPolyline) return code == 10 || code == 20 || code == 42;
  if (m_type == EntityType::Spline)
    return code == 10 || code == 20 || code == 11 || code == 21 || code == 40 || code == 41;
  return false;
}

std::string EntityGroups::Take(const DxfGroup& g, GroupBudget* budget) {
  if (m_type == EntityType::None) return {};
  if (g.code == 8) {
    m_layer = LayerText(g.value);
    return {};
  }
  if (g.code == 70 || (g.code == 71 && m_type == EntityType::Spline)) return TakeInteger(g);
  if (!WantsReal(g.code)) return {};
  double v = 0.0;
  if (!ParseDxfReal(g.value, &v))
    return LineMessage(g.line + 1, "group " + std::to_string(g.code) + ": '" +
                                       std::string(g.value.substr(0, 40)) + "' is not a finite number");
  const bool pointLike = g.code == 10 || g.code == 11 || (g.code == 40 && m_type == EntityType::Spline);
  if (pointLike && ++budget->used > kMaxPoints) return "more than " + std::to_string(kMaxPoints) + " points";
  return TakeNumber(g, v);
}

std::string EntityGroups::TakeInteger(const DxfGroup& g) {
  long v = 0;
  if (!ParseDxfInt(g.value, &v))
    return LineMessage(g.line + 1, "group " + std::to_string(g.code) + ": '" +
                                       std::string(g.value.substr(0, 40)) + "' is not a whole number");
  if (g.code == 71) {
    m_degree = v < 0 ? 0 : v > 99 ? 99 : v;  // no spline we sample is of degree above 10
  } else {
    m_flags = v;
    // A polyface mesh's face record carries vertex indices, not a point.
    if (m_type == EntityType::Vertex && (v & 128) && !(v & 64)) m_face = true;
  }
  return {};
}

std::string EntityGroups::TakeNumber(const DxfGroup& g, double v) {
  if (g.code == 230) {
    m_extrudedDown = v < 0.0;
  } else if (Contains(SingleCodes(m_type), g.code)) {
    m_single[g.code] = v;
    m_has[g.code] = true;
  } else if (g.code == 10) {
    m_vertices.push_back({{v, 0.0}, 0.0});
  } else if (g.code == 20 && !m_vertices.empty()) {
    m_vertices.back().at.y = v;
  } else if (g.code == 42 && !m_vertices.empty()) {  // a bulge before the first vertex is dropped
    m_vertices.back().bulge = v;
  } else if (g.code == 11) {
    m_fits.push_back({v, 0.0});
  } else if (g.code == 21 && !m_fits.empty()) {
    m_fits.back().y = v;
  } else if (g.code == 40) {
    m_knots.push_back(v);
  } else if (g.code == 41) {
    m_weights.push_back(v);
  }
  return {};
}

void EntityGroups::Write(std::string* out) const {
  if (m_type == EntityType::None || m_face) return;
  Put(out, 0, NameOf(m_type));
  if (m_type == EntityType::SeqEnd) return;
  Put(out, 8, m_layer);
  if (m_type == EntityType::Polyline || m_type == EntityType::LwPolyline)
    Put(out, 70, std::to_string(m_flags & 1));
  if (m_extrudedDown) Put(out, 230, "-1");
  for (const int* code = SingleCodes(m_type); *code != 0; ++code)
    if (m_has[*code]) Put(out, *code, Number(m_single[*code]));
  if (m_type == EntityType::LwPolyline) WriteVertices(out);
  if (m_type == EntityType::Spline) WriteSpline(out);
}

void EntityGroups::WriteVertices(std::string* out) const {
  // dxflib sizes its vertex array from group 90: the true count, before the vertices.
  Put(out, 90, std::to_string(m_vertices.size()));
  for (const Vertex& v : m_vertices) {
    Put(out, 10, Number(v.at.x));
    Put(out, 20, Number(v.at.y));
    if (v.bulge != 0.0) Put(out, 42, Number(v.bulge));
  }
}

void EntityGroups::WriteSpline(std::string* out) const {
  Put(out, 70, std::to_string(m_flags & 15));
  Put(out, 71, std::to_string(m_degree));
  Put(out, 72, std::to_string(m_knots.size()));
  Put(out, 73, std::to_string(m_vertices.size()));
  Put(out, 74, std::to_string(m_fits.size()));
  for (double k : m_knots) Put(out, 40, Number(k));
  const bool weighted = m_weights.size() == m_vertices.size();
  for (std::size_t i = 0; i < m_vertices.size(); ++i) {
    Put(out, 10, Number(m_vertices[i].at.x));
    Put(out, 20, Number(m_vertices[i].at.y));
    if (weighted) Put(out, 41, Number(m_weights[i]));
  }
  for (const Point2& f : m_fits) {
    Put(out, 11, Number(f.x));
    Put(out, 21, Number(f.y));
  }
}
