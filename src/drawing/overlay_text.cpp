// Overlay texts through std::to_chars, which formats exactly as printf in the C locale.
#include "drawing/overlay_text.h"

#include <charconv>

#include "drawing/saturate.h"

std::string FormatG(double value) {
  char buffer[32];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 6);
  return std::string(buffer, result.ptr);
}

QString ScaleText(double scale) {
  return QString::number(TruncateToInt(scale));
}

std::array<QString, 5> DataLines(double length, double lowerBout, double waist, double upperBout,
                                 double sideLength) {
  auto line = [](const char* label, double value) {
    return QString::fromLatin1(label) + QString::fromStdString(FormatG(value));
  };
  return {line(" length=", length), line(" lower bout=", lowerBout), line(" waist=", waist),
          line(" upper bout=", upperBout), line(" side length=", sideLength)};
}
