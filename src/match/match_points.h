// The measured or traced points a design is matched to, as the readers hand them over: x along the
// centreline from the neck end, y the half-width (negative on the other side of a whole body).
#pragma once

#include <cstddef>
#include <string>
#include <vector>

struct MatchPoint {
  double x = 0.0;
  double y = 0.0;
  int line = 0;  // source line of a text file, 0 when the reader has none
};

struct PointReadResult {
  std::vector<MatchPoint> points;
  std::string error;  // one line; empty on success
  std::string note;   // what the reader assumed (a DXF without units), or empty
  bool ok() const { return error.empty(); }
};

// Bounds that keep every reader linear and quick, whatever it is fed.
inline constexpr std::size_t kMaxPointFileBytes = 32u << 20;
inline constexpr std::size_t kMaxPoints = 200000;
inline constexpr std::size_t kMaxLineLength = 4096;
// Fewest points a design's eight values can be matched to.
inline constexpr std::size_t kMinPoints = 8;
