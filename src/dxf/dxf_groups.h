// A DXF text as its group pairs (a code line, then a value line), read with bounded work: every
// line at most kDxfMaxLineLength characters, every code a number from 0 to 1071, errors naming the
// line. The sections the groups lie in are tracked by DxfSections.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "dxf/text_lines.h"

inline constexpr std::size_t kDxfMaxLineLength = 4096;

struct DxfGroup {
  int code = 0;
  std::string_view value;  // trimmed
  int line = 0;            // line of the group code; the value is on the next
  std::size_t end = 0;     // offset just past the value line
};

class DxfGroupReader {
 public:
  explicit DxfGroupReader(std::string_view text) : m_lines(text, kDxfMaxLineLength) {}

  // False at the end of the text or on an error (then error() says which line and why).
  bool Next(DxfGroup* group);
  const std::string& error() const { return m_error; }

 private:
  LineReader m_lines;
  std::string m_error;
};

// Which section the groups read so far lie in.
class DxfSections {
 public:
  // Takes the next group. True when it is structure (0 SECTION, the name after it, 0 ENDSEC)
  // rather than content of a section.
  bool Take(const DxfGroup& group);
  // Upper-case name of the open section (at most 16 characters), empty between sections.
  const std::string& Name() const { return m_name; }
  bool In(std::string_view name) const { return m_name == name; }

 private:
  std::string m_name;
  bool m_expectName = false;
};

// A finite number, an optional '+' allowed; false for anything else.
bool ParseDxfReal(std::string_view text, double* value);
bool ParseDxfInt(std::string_view text, long* value);

// True when the bytes start like a DXF: a group code 0 followed by SECTION, or the binary form.
bool LooksLikeDxf(std::string_view bytes);
bool IsBinaryDxf(std::string_view bytes);
