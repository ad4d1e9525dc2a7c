// Lengths typed on the command line, the one reader every command's length options go through: a
// number in the option's own unit, or one with a unit after it (648mm, 64.8cm, 25.5in, 25.5"),
// converted into the option's unit; and a warning when a value is far from what the option means.
#pragma once

#include <QString>

#include "export/export_units.h"
#include "geometry/result.h"

class QCommandLineParser;

namespace cli {

enum class LengthUnit { kMm, kCm, kIn };

// The unit of a design's numbers.
LengthUnit DesignLengthUnit(ExportUnit unit);
QString LengthUnitName(LengthUnit unit);

// What a length option measures; a value far outside its usual range gets one warning line naming
// the unit that would bring it in ("did you mean 648mm?").
enum class Usual {
  kAny,
  kScale,       // 20 to 120 cm
  kBodyLength,  // 10 to 200 cm
  kWidth,       // 1 to 60 cm
};

struct LengthRule {
  LengthUnit unit = LengthUnit::kCm;  // what a bare number is in, and what the value comes back in
  Usual usual = Usual::kAny;
  enum Sign { kAnySign, kPositive, kNotNegative } sign = kAnySign;
};

// The length in rule.unit; a usage error naming `what` (the option) when text is not a finite length
// or has the wrong sign; the warning, if any, is printed.
Result<double> ReadLength(const QString& what, const QString& text, const LengthRule& rule);

// Option --name read by ReadLength, or fallback when it is absent.
Result<double> LengthOption(const QCommandLineParser& parser, const QString& name, double fallback,
                            const LengthRule& rule);

}  // namespace cli
