// The DXF pre-pass. Each kept entity's groups are collected, checked, and written back in a fixed
// order with shortest round-trip numbers and counts that match what follows them.
#include "match/dxf_clean.h"

#include <charconv>
#include <utility>
#include <vector>

#include "dxf/dxf_groups.h"
#include "match/dxf_entity_groups.h"
#include "match/point_set.h"

namespace {

class Rebuilder {
 public:
  Result<CleanDxf> Run(std::string_view bytes) {
    DxfGroupReader reader(bytes);
    DxfGroup g;
    Emit("0\nSECTION\n2\nHEADER\n");
    while (reader.Next(&g)) {
      if (g.code == 0 && m_sections.In("ENTITIES")) Flush();
      if (g.code == 0 && EqualsIgnoringCase(g.value, "EOF")) break;
      if (m_sections.Take(g)) {
        if (m_sections.In("ENTITIES")) {
          OpenEntities();
          m_out.hasEntitiesSection = true;
        }
        continue;
      }
      const std::string error = Content(g);
      if (!error.empty()) return Error{error};
    }
    if (!reader.error().empty()) return Error{reader.error()};
    Flush();
    OpenEntities();
    Emit("0\nENDSEC\n0\nEOF\n");
    return std::move(m_out);
  }

 private:
  void Emit(const std::string& text) { m_out.text += text; }

  // A group inside a section: $INSUNITS in the header, an entity's groups in ENTITIES.
  std::string Content(const DxfGroup& g) {
    if (m_sections.In("HEADER")) return HeaderGroup(g);
    if (!m_sections.In("ENTITIES")) return {};
    if (g.code == 0) {
      m_entity = EntityGroups(g.value);
      return {};
    }
    return m_entity.Take(g, &m_budget);
  }

  std::string HeaderGroup(const DxfGroup& g) {
    if (g.code == 9) {
      m_variable = std::string(g.value.substr(0, 16));
      return {};
    }
    if (g.code != 70 || !EqualsIgnoringCase(m_variable, "$INSUNITS")) return {};
    long v = 0;
    if (!ParseDxfInt(g.value, &v) || v < 0 || v > 1000)
      return LineMessage(g.line + 1, "$INSUNITS is not a unit code");
    m_insUnits = v;
    return {};
  }

  // The header ends with the unit read so far, and the one ENTITIES section begins.
  void OpenEntities() {
    if (m_entitiesOpen) return;
    if (m_insUnits >= 0) Emit("9\n$INSUNITS\n70\n" + std::to_string(m_insUnits) + "\n");
    Emit("0\nENDSEC\n0\nSECTION\n2\nENTITIES\n");
    m_entitiesOpen = true;
  }

  void Flush() {
    if (m_entitiesOpen) m_entity.Write(&m_out.text);
    m_entity = EntityGroups();
  }

  CleanDxf m_out;
  DxfSections m_sections;
  std::string m_variable;
  long m_insUnits = -1;
  bool m_entitiesOpen = false;
  EntityGroups m_entity;
  GroupBudget m_budget;
};

}  // namespace

Result<CleanDxf> RebuildDxf(std::string_view bytes) {
  if (IsBinaryDxf(bytes)) return Error{"a binary DXF; save it as an ASCII DXF"};
  if (bytes.find('\0') != std::string_view::npos) return Error{"not a text DXF (a NUL byte)"};
  return Rebuilder().Run(bytes);
}
