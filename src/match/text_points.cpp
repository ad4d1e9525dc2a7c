// The text point reader: strict numbers (std::from_chars, finite only), the line named in every
// error, the work bounded by the file size and line length.
#include "match/text_points.h"

#include <charconv>
#include <cmath>
#include <optional>
#include <vector>

namespace {

std::string_view Trim(std::string_view s) {
  const auto isSpace = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v'; };
  while (!s.empty() && isSpace(s.front())) s.remove_prefix(1);
  while (!s.empty() && isSpace(s.back())) s.remove_suffix(1);
  return s;
}

// Fields split at commas, or at runs of blanks when the line has no comma.
std::vector<std::string_view> Fields(std::string_view line) {
  std::vector<std::string_view> fields;
  if (line.find(',') != std::string_view::npos) {
    std::size_t start = 0;
    for (;;) {
      const std::size_t comma = line.find(',', start);
      fields.push_back(Trim(line.substr(start, comma == std::string_view::npos ? line.npos : comma - start)));
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

std::string LineError(int line, const std::string& what) {
  return "line " + std::to_string(line) + ": " + what;
}

std::string Quoted(std::string_view field) {
  constexpr std::size_t kShown = 40;
  std::string s(field.substr(0, kShown));
  for (char& c : s)
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) c = '?';
  return "'" + s + (field.size() > kShown ? "...'" : "'");
}

void ReadLines(std::string_view text, PointReadResult& result) {
  if (text.size() > kMaxPointFileBytes) {
    result.error = "the file is larger than " + std::to_string(kMaxPointFileBytes >> 20) + " MB";
    return;
  }
  bool headerAllowed = true;
  int lineNumber = 0;
  std::size_t pos = 0;
  while (pos < text.size()) {
    const std::size_t newline = text.find('\n', pos);
    const std::size_t end = newline == std::string_view::npos ? text.size() : newline;
    std::string_view line = text.substr(pos, end - pos);
    pos = end + 1;
    ++lineNumber;
    if (line.size() > kMaxLineLength) {
      result.error = LineError(lineNumber, "longer than " + std::to_string(kMaxLineLength) + " characters");
      return;
    }
    if (line.find('\0') != std::string_view::npos) {
      result.error = LineError(lineNumber, "not text (a NUL byte)");
      return;
    }
    const std::size_t hash = line.find('#');
    if (hash != std::string_view::npos) line = line.substr(0, hash);
    line = Trim(line);
    if (line.empty()) continue;

    const std::vector<std::string_view> fields = Fields(line);
    double values[2] = {0.0, 0.0};
    NumberKind kinds[2] = {NumberKind::NotANumber, NumberKind::NotANumber};
    for (std::size_t i = 0; i < fields.size() && i < 2; ++i) kinds[i] = ParseNumber(fields[i], &values[i]);
    const bool noNumber = kinds[0] == NumberKind::NotANumber && kinds[1] == NumberKind::NotANumber;
    if (headerAllowed && noNumber) {  // a header such as "x,y" or "station half-width"
      headerAllowed = false;
      continue;
    }
    headerAllowed = false;
    if (fields.size() != 2) {
      result.error = LineError(lineNumber, "expected two numbers 'x,y' or 'x y', found " +
                                               std::to_string(fields.size()) + " fields");
      return;
    }
    for (int i = 0; i < 2; ++i) {
      if (kinds[i] == NumberKind::NotANumber) {
        result.error = LineError(lineNumber, Quoted(fields[i]) + " is not a number");
        return;
      }
      if (kinds[i] == NumberKind::NotFinite) {
        result.error = LineError(lineNumber, Quoted(fields[i]) + " is not a finite number");
        return;
      }
    }
    if (result.points.size() >= kMaxPoints) {
      result.error = LineError(lineNumber, "more than " + std::to_string(kMaxPoints) + " points");
      return;
    }
    result.points.push_back({values[0], values[1], lineNumber});
  }
}

}  // namespace

PointReadResult ReadTextPoints(std::string_view text) {
  PointReadResult result;
  ReadLines(text, result);
  if (!result.ok()) result.points.clear();  // an error loses the whole file, not part of it
  return result;
}
