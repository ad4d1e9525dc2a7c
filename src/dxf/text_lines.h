// Text read a line at a time with bounded work: lines numbered from 1, each at most a given length;
// blank trimming, ASCII case-insensitive comparison and the "line N: ..." wording of read errors.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Without leading and trailing blanks (space, tab, CR, FF, VT).
std::string_view TrimBlanks(std::string_view text);

// Equal but for the case of ASCII letters.
bool EqualsIgnoringCase(std::string_view a, std::string_view b);

// "line N: what".
std::string LineMessage(int line, const std::string& what);

class LineReader {
 public:
  LineReader(std::string_view text, std::size_t maxLength) : m_text(text), m_maxLength(maxLength) {}

  // The next line as it stands (without its '\n'). False at the end of the text, or when the line
  // is longer than the bound (then error() says so).
  bool Next(std::string_view* line);
  bool AtEnd() const { return m_pos >= m_text.size(); }
  int LineNumber() const { return m_line; }
  // Offset just past the last line returned (and its '\n').
  std::size_t Offset() const { return m_pos; }
  const std::string& error() const { return m_error; }

 private:
  std::string_view m_text;
  std::size_t m_maxLength;
  std::size_t m_pos = 0;
  int m_line = 0;
  std::string m_error;
};
