// Two passes over the group pairs of the OBJECTS section: who points at whom, then the owners in.
#include "export/dxf_objects.h"

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "dxf/dxf_groups.h"

namespace {

// The groups of the OBJECTS section, in order; empty when the text cannot be read as group pairs
// or the section is missing or not closed.
std::vector<DxfGroup> ObjectsGroups(std::string_view text) {
  DxfGroupReader reader(text);
  DxfSections sections;
  std::vector<DxfGroup> groups;
  DxfGroup g;
  while (reader.Next(&g)) {
    const bool wasObjects = sections.In("OBJECTS");
    if (sections.Take(g)) {
      if (wasObjects) return groups;  // its ENDSEC
      continue;
    }
    if (sections.In("OBJECTS")) groups.push_back(g);
  }
  return {};
}

// Each object's handle -> the handle of the dictionary that lists it (350 or 360 entries).
std::map<std::string_view, std::string_view> Owners(const std::vector<DxfGroup>& groups) {
  std::map<std::string_view, std::string_view> owner;
  std::string_view current;
  bool handleSeen = false;
  for (const DxfGroup& g : groups) {
    if (g.code == 0) {
      current = {};
      handleSeen = false;
    } else if (g.code == 5 && !handleSeen) {
      current = g.value;
      handleSeen = true;
    } else if ((g.code == 350 || g.code == 360) && !current.empty()) {
      owner.emplace(g.value, current);
    }
  }
  return owner;
}

}  // namespace

QByteArray AddObjectOwners(const QByteArray& dxf) {
  const std::string_view text(dxf.constData(), std::size_t(dxf.size()));
  const std::vector<DxfGroup> groups = ObjectsGroups(text);
  const std::map<std::string_view, std::string_view> owner = Owners(groups);
  QByteArray out;
  out.reserve(dxf.size() + 64 * qsizetype(owner.size()));
  std::size_t copied = 0;
  bool handleSeen = false;
  for (std::size_t i = 0; i < groups.size(); ++i) {
    const DxfGroup& g = groups[i];
    if (g.code == 0) handleSeen = false;
    if (g.code != 5 || handleSeen) continue;
    handleSeen = true;
    if (i + 1 < groups.size() && groups[i + 1].code == 330) continue;  // already named
    const auto found = owner.find(g.value);
    const std::string_view name = found == owner.end() ? std::string_view("0") : found->second;
    out.append(dxf.constData() + copied, qsizetype(g.end - copied));
    if (g.end == text.size() && text.back() != '\n') out += '\n';
    out += "330\n";
    out.append(name.data(), qsizetype(name.size()));
    out += '\n';
    copied = g.end;
  }
  out.append(dxf.constData() + copied, qsizetype(text.size() - copied));
  return out;
}
