// The text point reader: strict numbers (std::from_chars, finite only), the line named in every
// error, the work bounded by the line length and the point count.
#include "match/text_points.h"

#include <charconv>
#include <cmath>
#include <vector>

#include "dxf/text_lines.h"

namespace {

// Fields split at commas, or at runs of blanks when the line has no comma.
std::vector<std::string_view> Fields(std::string_view line) {
  std::vector<std::string_view> fields;
  if (line.find(',') != std::string_view::npos) {
    std::size_t start = 0;
    for (;;) {
      const std::size_t comma = line.find(',', start);
      fields.push_back(
          TrimBlanks(line.substr(start, comma == std::string_view::npos ? line.npos : comma - start)));
      if (comma == std::string_view::npos) break;
      start = comma + 1;
    }
    return fields;
  }
  std::size_t i = 0;
  while (i < line.size()) {
    while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
    const std::size_t start = i;
    while (i < line.size() && line[i] != ' ' && line[i] != '\t') ++i;
    if (i > start) fields.push_back(line.substr(start, i - start));
  }
  return fields;
}

enum class NumberKind { Finite, NotFinite, NotANumber };

NumberKind ParseNumber(std::string_view field, double* value) {
  if (!field.empty() && field.front() == '+') field.remove_prefix(1);
  if (field.empty()) return NumberKind::NotANumber;
  const auto [end, ec] = std::from_chars(field.data(), field.data() + field.size(), *value);
  if (end != field.data() + field.size()) return NumberKind::NotANumber;
  if (ec == std::errc::result_out_of_range) return NumberKind::NotFinite;
  if (ec != std::errc()) return NumberKind::NotANumber;
  return std::isfinite(*value) ? NumberKind::Finite : NumberKind::NotFinite;
}

std::string Quoted(std::string_view field) {
  constexpr std::size_t kShown = 40;
  std::string s(field.substr(0, kShown));
  for (char& c : s)
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) c = '?';
  return "'" + s + (field.size() > kShown ? "...'" : "'");
}

// One line's content (comment and blanks gone): a point, a header, or why it is neither.
class LineParser {
 public:
  // Empty on success; the point is added unless the line was the one header allowed.
  std::string Take(std::string_view line, int number, PointSet* set) {
    const std::vector<std::string_view> fields = Fields(line);
    double values[2] = {0.0, 0.0};
    NumberKind kinds[2] = {NumberKind::NotANumber, NumberKind::NotANumber};
    for (std::size_t i = 0; i < fields.size() && i < 2; ++i) kinds[i] = ParseNumber(fields[i], &values[i]);
    const bool header =
        m_headerAllowed && kinds[0] == NumberKind::NotANumber && kinds[1] == NumberKind::NotANumber;
    m_headerAllowed = false;
    if (header) return {};  // such as "x,y" or "station half-width"
    if (fields.size() != 2)
      return "expected two numbers 'x,y' or 'x y', found " + std::to_string(fields.size()) + " fields";
    for (int i = 0; i < 2; ++i) {
      if (kinds[i] == NumberKind::NotANumber) return Quoted(fields[i]) + " is not a number";
      if (kinds[i] == NumberKind::NotFinite) return Quoted(fields[i]) + " is not a finite number";
    }
    if (set->points.size() >= kMaxPoints) return "more than " + std::to_string(kMaxPoints) + " points";
    set->points.push_back({values[0], values[1]});
    set->lines.push_back(number);
    return {};
  }

 private:
  bool m_headerAllowed = true;
};

}  // namespace

Result<PointSet> ReadTextPoints(std::string_view text) {
  PointSet set;
  LineReader lines(text, kMaxLineLength);
  LineParser parser;
  std::string_view line;
  while (lines.Next(&line)) {
    const int number = lines.LineNumber();
    if (line.find('\0') != std::string_view::npos) return Error{LineMessage(number, "not text (a NUL byte)")};
    line = TrimBlanks(line.substr(0, line.find('#')));
    if (line.empty()) continue;
    const std::string error = parser.Take(line, number, &set);
    if (!error.empty()) return Error{LineMessage(number, error)};
  }
  if (!lines.error().empty()) return Error{lines.error()};
  return set;
}
