// Line splitting and the small text helpers every reader of text files shares.
#include "dxf/text_lines.h"

namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v';
}

char Lower(char c) {
  return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
}

}  // namespace

std::string_view TrimBlanks(std::string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (Lower(a[i]) != Lower(b[i])) return false;
  return true;
}

std::string LineMessage(int line, const std::string& what) {
  return "line " + std::to_string(line) + ": " + what;
}

bool LineReader::Next(std::string_view* line) {
  if (AtEnd() || !m_error.empty()) return false;
  const std::size_t newline = m_text.find('\n', m_pos);
  const std::size_t end = newline == std::string_view::npos ? m_text.size() : newline;
  *line = m_text.substr(m_pos, end - m_pos);
  m_pos = newline == std::string_view::npos ? m_text.size() : end + 1;
  ++m_line;
  if (line->size() > m_maxLength) {
    m_error = LineMessage(m_line, "longer than " + std::to_string(m_maxLength) + " characters");
    return false;
  }
  return true;
}
