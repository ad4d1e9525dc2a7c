// Title block text.
#include "export/title_block.h"

#include "geometry/number_text.h"

// A template never shows a signed zero: -0 is written "0".
QString ShortestNumber(double value) {
  return QString::fromStdString(ShortestRoundTrip(value == 0.0 ? 0.0 : value));
}

QStringList TitleLines(const TitleInput& in) {
  const QString u = UnitName(in.unit);
  const auto len = [&](double v) { return ShortestNumber(v) + ' ' + u; };
  return {
      QStringLiteral("vesk design: %1").arg(in.fileName),
      QStringLiteral("Length %1").arg(len(in.length)),
      QStringLiteral("Lower bout %1, waist %2, upper bout %3 (half-widths)")
          .arg(len(in.lowerBout), len(in.waist), len(in.upperBout)),
      QStringLiteral("a3 %1, a4 %2, a5 %3, a6 %4")
          .arg(ShortestNumber(in.a3), ShortestNumber(in.a4), ShortestNumber(in.a5), ShortestNumber(in.a6)),
      QStringLiteral("Side length %1").arg(len(in.sideLength)),
      QStringLiteral("Unit: %1").arg(u),
      QStringLiteral("Outline chord tolerance %1 mm").arg(ShortestNumber(kChordToleranceMm)),
      QStringLiteral("Check square %1").arg(CheckSquareLabel(in.unit)),
  };
}
