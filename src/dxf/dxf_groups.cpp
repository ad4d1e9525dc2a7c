// Group pairs and sections. Only the shape of the text is checked here; what a group means is the
// reader's business.
#include "dxf/dxf_groups.h"

#include <charconv>
#include <cmath>

namespace {

constexpr int kLargestGroupCode = 1071;

template <class T>
bool ParseWhole(std::string_view text, T* value) {
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), *value);
  return ec == std::errc() && end == text.data() + text.size();
}

}  // namespace

bool DxfGroupReader::Next(DxfGroup* g) {
  if (!m_error.empty()) return false;
  std::string_view codeLine, valueLine;
  if (!m_lines.Next(&codeLine)) {
    m_error = m_lines.error();
    return false;
  }
  g->line = m_lines.LineNumber();
  codeLine = TrimBlanks(codeLine);
  if (codeLine.empty() && m_lines.AtEnd()) return false;  // a last, empty line
  int code = 0;
  if (!ParseWhole(codeLine, &code) || code < 0 || code > kLargestGroupCode) {
    m_error = LineMessage(g->line, "not a DXF group code");
    return false;
  }
  if (!m_lines.Next(&valueLine)) {
    m_error = m_lines.error().empty() ? LineMessage(g->line, "group code without a value") : m_lines.error();
    return false;
  }
  g->code = code;
  g->value = TrimBlanks(valueLine);
  g->end = m_lines.Offset();
  return true;
}

bool DxfSections::Take(const DxfGroup& g) {
  if (m_expectName && g.code == 2) {
    m_expectName = false;
    m_name = std::string(g.value.substr(0, 16));
    for (char& c : m_name)
      if (c >= 'a' && c <= 'z') c = char(c - 'a' + 'A');
    return true;
  }
  if (g.code != 0) return false;
  if (EqualsIgnoringCase(g.value, "SECTION")) {
    m_name.clear();
    m_expectName = true;
    return true;
  }
  m_expectName = false;
  if (EqualsIgnoringCase(g.value, "ENDSEC")) {
    m_name.clear();
    return true;
  }
  return false;
}

bool ParseDxfReal(std::string_view text, double* value) {
  return ParseWhole(text, value) && std::isfinite(*value);
}

bool ParseDxfInt(std::string_view text, long* value) {
  return ParseWhole(text, value);
}

bool IsBinaryDxf(std::string_view bytes) {
  return bytes.substr(0, 18) == "AutoCAD Binary DXF";
}

bool LooksLikeDxf(std::string_view bytes) {
  if (IsBinaryDxf(bytes)) return true;
  DxfGroupReader reader(bytes.substr(0, 256));
  DxfGroup g;
  return reader.Next(&g) && g.code == 0 && EqualsIgnoringCase(g.value, "SECTION");
}
