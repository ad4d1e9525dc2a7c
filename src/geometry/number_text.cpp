// Shortest round-trip text on std::to_chars, which is locale-free and exact.
#include "geometry/number_text.h"

#include <charconv>
#include <cmath>
#include <string>

namespace {

// Room for the longest shortest form, "-2.2250738585072014e-308".
constexpr int kBufferSize = 32;

std::string Text(const char* buffer, const char* end) {
  return std::string(buffer, static_cast<std::size_t>(end - buffer));
}

// Fixed or scientific, whichever is shorter (fixed when they tie).
std::string ShortestForm(double value) {
  char buffer[kBufferSize];
  return Text(buffer, std::to_chars(buffer, buffer + kBufferSize, value).ptr);
}

std::string Scientific(double value) {
  char buffer[kBufferSize];
  return Text(buffer, std::to_chars(buffer, buffer + kBufferSize, value, std::chars_format::scientific).ptr);
}

// The significant digits of the shortest form, without sign, point or exponent.
std::string SignificantDigits(double value) {
  const std::string scientific = Scientific(std::fabs(value));
  std::string digits;
  for (char c : scientific) {
    if (c == 'e') break;
    if (c != '.') digits += c;
  }
  return digits;
}

}  // namespace

std::string ShortestRoundTrip(double value) {
  if (std::isnan(value)) return "nan";  // whatever its sign bit
  std::string text = ShortestForm(value);
  if (!std::isfinite(value) || text.find_first_of(".e") != std::string::npos) return text;
  // A whole number written out in full: to_chars gives every digit of its exact value
  // ("12345678901234567168"); beyond the shortest digits those say nothing, so they become zeros.
  const std::string digits = SignificantDigits(value);
  const std::size_t sign = std::signbit(value) ? 1 : 0;
  if (digits.size() >= text.size() - sign) return text;
  return text.substr(0, sign) + digits + std::string(text.size() - sign - digits.size(), '0');
}

double ScaledByPowerOfTen(double value, int exponent) {
  if (!std::isfinite(value) || value == 0.0 || exponent < -400 || exponent > 400)
    return value * std::pow(10.0, exponent);
  const std::string text = Scientific(value);  // "-6.477e+01"
  const std::size_t e = text.find('e');
  const int scaled = std::stoi(text.substr(e + 1)) + exponent;
  const std::string shifted = text.substr(0, e) + 'e' + std::to_string(scaled);
  double result = 0.0;
  const auto [end, error] = std::from_chars(shifted.data(), shifted.data() + shifted.size(), result);
  if (error == std::errc::result_out_of_range) return value * std::pow(10.0, exponent);
  return result;
}
