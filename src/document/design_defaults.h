// The values of a new design, shared by the document and by vesk-cli's option defaults.
#pragma once

namespace DesignDefaults {
inline constexpr double kLength = 49.0;
inline constexpr double kLowerBout = 18.5;
inline constexpr double kWaist = 12.0;
inline constexpr double kUpperBout = 14.0;
inline constexpr double kA3 = 0.0;
inline constexpr double kA4 = -0.25;
inline constexpr double kA5 = 0.0;
inline constexpr double kA6 = -0.5;
inline constexpr double kHoleDiameter = 8.8;
inline constexpr double kHolePosition = 0.0;
inline constexpr double kScaleLength = 65.0;
inline constexpr double kNutWidth = 5.2;
inline constexpr double kFret12Width = 6.2;
inline constexpr double kFret19Width = 0.0;
}  // namespace DesignDefaults
