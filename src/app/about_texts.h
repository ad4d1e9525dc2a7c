// The texts of the About box.
#pragma once

namespace AboutTexts {
inline constexpr char kVersion[] = "vesk Version 1.2.0";
inline constexpr char kCopyright[] = "Copyright (C) 2026 the vesk developers";
inline constexpr char kCredit1[] = "Windows and drawing: Qt 6";
inline constexpr char kCredit2[] = "DXF templates: dxflib";
inline constexpr char kUsage[] =
    "Give the body length and the half-widths of the lower bout, waist and upper bout in Edit > Input Shape, "
    "the soundhole in Edit > Input Soundhole. Lengths are in inches or centimetres; check printouts against "
    "a "
    "ruler.";
inline constexpr char kDisclaimer[] =
    "vesk comes with ABSOLUTELY NO WARRANTY. This is free software, and you are welcome to redistribute it "
    "under the GNU GPL, version 2 or later.";
}  // namespace AboutTexts
