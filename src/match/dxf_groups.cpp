// The DXF pre-pass: group pairs read line by line, only the entities whose points are wanted kept,
// numbers parsed strictly and written back in shortest round-trip form.
#include "match/dxf_groups.h"

#include <charconv>
#include <cmath>
#include <vector>

#include "match/match_points.h"

namespace {

struct Group {
  int code = 0;
  std::string_view value;
  int line = 0;  // line of the group code
};

std::string_view Trim(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t' || s.front() == '\r')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
  return s;
}

bool Equals(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

std::string AtLine(int line, const std::string& what) {
  return "line " + std::to_string(line) + ": " + what;
}

class GroupReader {
 public:
  explicit GroupReader(std::string_view bytes) : m_bytes(bytes) {}

  // False at the end of the text or on an error (then error() is set).
  bool Next(Group* g) {
    std::string_view codeLine, valueLine;
    if (!NextLine(&codeLine)) return false;
    g->line = m_line;
    codeLine = Trim(codeLine);
    if (codeLine.empty() && AtEnd()) return false;
    int code = 0;
    const auto [end, ec] = std::from_chars(codeLine.data(), codeLine.data() + codeLine.size(), code);
    if (ec != std::errc() || end != codeLine.data() + codeLine.size() || code < 0 || code > 1071) {
      m_error = AtLine(m_line, "not a DXF group code");
      return false;
    }
    if (!NextLine(&valueLine)) {
      if (m_error.empty()) m_error = AtLine(m_line, "group code without a value");
      return false;
    }
    g->code = code;
    g->value = Trim(valueLine);
    return true;
  }
  const std::string& error() const { return m_error; }

 private:
  bool AtEnd() const { return m_pos >= m_bytes.size(); }
  bool NextLine(std::string_view* line) {
    if (AtEnd()) return false;
    const std::size_t newline = m_bytes.find('\n', m_pos);
    const std::size_t end = newline == std::string_view::npos ? m_bytes.size() : newline;
    *line = m_bytes.substr(m_pos, end - m_pos);
    m_pos = end + 1;
    ++m_line;
    if (line->size() > kMaxLineLength) {
      m_error = AtLine(m_line, "longer than " + std::to_string(kMaxLineLength) + " characters");
      return false;
    }
    return true;
  }

  std::string_view m_bytes;
  std::size_t m_pos = 0;
  int m_line = 0;
  std::string m_error;
};

bool ParseReal(std::string_view text, double* value) {
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), *value);
  return ec == std::errc() && end == text.data() + text.size() && std::isfinite(*value);
}

bool ParseInt(std::string_view text, long* value) {
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), *value);
  return ec == std::errc() && end == text.data() + text.size();
}

std::string RealText(double v) {
  char buffer[32];
  const auto end = std::to_chars(buffer, buffer + sizeof buffer, v).ptr;
  return std::string(buffer, end);
}

// A layer name as dxflib will read it back: printable, one line.
std::string LayerText(std::string_view name) {
  std::string s(name.substr(0, 255));
  for (char& c : s)
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) c = '_';
  return s.empty() ? std::string("0") : s;
}

bool IsCoordinate(int code) {
  return code == 10 || code == 20 || code == 11 || code == 21;
}

class Rebuilder {
 public:
  void Emit(int code, const std::string& value) {
    m_out.text += std::to_string(code);
    m_out.text += '\n';
    m_out.text += value;
    m_out.text += '\n';
  }

  // One kept entity, its groups already checked.
  void EmitEntity(std::string_view type, const std::vector<Group>& groups,
                  const std::vector<double>& numbers) {
    Emit(0, std::string(type));
    if (Equals(type, "LWPOLYLINE")) {
      // dxflib sizes its vertex array from group 90: give it the true count, before the vertices.
      int vertices = 0;
      for (const Group& g : groups)
        if (g.code == 10) ++vertices;
      Emit(90, std::to_string(vertices));
      Emit(70, "0");
    }
    std::size_t n = 0;
    for (const Group& g : groups) {
      if (g.code == 8)
        Emit(8, LayerText(g.value));
      else if (IsCoordinate(g.code))
        Emit(g.code, RealText(numbers[n++]));
    }
  }

  CleanDxf Run(std::string_view bytes) {
    GroupReader reader(bytes);
    Emit(0, "SECTION");
    Emit(2, "HEADER");
    std::string section;
    bool inSection = false;
    bool expectSectionName = false;
    std::string_view headerVariable;
    long insUnits = -1;
    std::string_view entityType;
    std::vector<Group> entityGroups;
    std::vector<double> entityNumbers;
    bool entityKept = false;
    bool entitiesOpen = false;
    Group g;

    const auto finishEntity = [&]() {
      if (entityKept) EmitEntity(entityType, entityGroups, entityNumbers);
      entityKept = false;
      entityGroups.clear();
      entityNumbers.clear();
    };

    // The header ends with the unit read so far, and the one ENTITIES section begins.
    const auto openEntities = [&]() {
      if (entitiesOpen) return;
      if (insUnits >= 0) {
        Emit(9, "$INSUNITS");
        Emit(70, std::to_string(insUnits));
      }
      Emit(0, "ENDSEC");
      Emit(0, "SECTION");
      Emit(2, "ENTITIES");
      entitiesOpen = true;
    };

    while (reader.Next(&g)) {
      if (g.code == 0) {
        if (section == "ENTITIES") finishEntity();
        if (Equals(g.value, "SECTION")) {
          inSection = true;
          expectSectionName = true;
          continue;
        }
        if (Equals(g.value, "ENDSEC")) {
          inSection = false;
          section.clear();
          continue;
        }
        if (Equals(g.value, "EOF")) break;
        if (section == "ENTITIES") {
          entityType = g.value;
          entityKept = Equals(g.value, "LINE") || Equals(g.value, "POLYLINE") || Equals(g.value, "VERTEX") ||
                       Equals(g.value, "SEQEND") || Equals(g.value, "LWPOLYLINE");
        }
        continue;
      }
      if (expectSectionName && g.code == 2) {
        expectSectionName = false;
        section = std::string(g.value.substr(0, 16));
        for (char& c : section)
          if (c >= 'a' && c <= 'z') c = char(c - 'a' + 'A');
        if (section == "ENTITIES") {
          openEntities();
          m_out.hasEntitiesSection = true;
        }
        continue;
      }
      if (!inSection) continue;
      if (section == "HEADER") {
        if (g.code == 9) {
          headerVariable = g.value;
        } else if (g.code == 70 && Equals(headerVariable, "$INSUNITS")) {
          long v = 0;
          if (!ParseInt(g.value, &v) || v < 0 || v > 1000) {
            m_out.error = AtLine(g.line + 1, "$INSUNITS is not a unit code");
            return m_out;
          }
          insUnits = v;
        }
        continue;
      }
      if (section != "ENTITIES" || !entityKept) continue;
      if (Equals(entityType, "VERTEX") && g.code == 70) {
        long flags = 0;
        // A polyface mesh's face record carries vertex indices, not a point.
        if (ParseInt(g.value, &flags) && (flags & 128) && !(flags & 64)) entityKept = false;
        continue;
      }
      if (IsCoordinate(g.code)) {
        double v = 0.0;
        if (!ParseReal(g.value, &v)) {
          m_out.error = AtLine(
              g.line + 1, "coordinate '" + std::string(g.value.substr(0, 40)) + "' is not a finite number");
          return m_out;
        }
        if (g.code == 10 || g.code == 11) {
          if (++m_out.coordinateCount > static_cast<int>(kMaxPoints)) {
            m_out.error = "more than " + std::to_string(kMaxPoints) + " points";
            return m_out;
          }
        }
        entityGroups.push_back(g);
        entityNumbers.push_back(v);
      } else if (g.code == 8) {
        entityGroups.push_back(g);
      }
    }
    if (!reader.error().empty()) {
      m_out.error = reader.error();
      return m_out;
    }
    if (section == "ENTITIES") finishEntity();
    openEntities();
    Emit(0, "ENDSEC");
    Emit(0, "EOF");
    return m_out;
  }

 private:
  CleanDxf m_out;
};

}  // namespace

bool LooksLikeDxf(std::string_view bytes) {
  if (bytes.substr(0, 18) == "AutoCAD Binary DXF") return true;
  GroupReader reader(bytes.substr(0, 256));
  Group g;
  return reader.Next(&g) && g.code == 0 && Equals(g.value, "SECTION");
}

CleanDxf RebuildDxf(std::string_view bytes) {
  if (bytes.size() > kMaxPointFileBytes) {
    CleanDxf out;
    out.error = "the file is larger than " + std::to_string(kMaxPointFileBytes >> 20) + " MB";
    return out;
  }
  if (bytes.substr(0, 18) == "AutoCAD Binary DXF") {
    CleanDxf out;
    out.error = "a binary DXF; save it as an ASCII DXF";
    return out;
  }
  if (bytes.find('\0') != std::string_view::npos) {
    CleanDxf out;
    out.error = "not a text DXF (a NUL byte)";
    return out;
  }
  return Rebuilder().Run(bytes);
}
