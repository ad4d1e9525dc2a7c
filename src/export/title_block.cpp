// Title block text: lengths as a workshop reads them, numbers of the file format as they read back.
#include "export/title_block.h"

#include "geometry/number_text.h"

// A template never shows a signed zero: -0 is written "0".
QString ShortestNumber(double value) {
  return QString::fromStdString(ShortestRoundTrip(value == 0.0 ? 0.0 : value));
}

QString RoundedLength(double value) {
  // 0.001 cm is 0.01 mm; 0.001 in is the inch shop's finest mark.
  QString text = QString::number(value, 'f', 3);
  if (text.contains(QLatin1Char('.'))) {
    while (text.endsWith(QLatin1Char('0'))) text.chop(1);
    if (text.endsWith(QLatin1Char('.'))) text.chop(1);
  }
  return text == QLatin1String("-0") ? QStringLiteral("0") : text;
}

QStringList TitleLines(const TitleInput& in) {
  const QString u = UnitName(in.unit);
  const auto len = [&](double v) { return RoundedLength(v) + ' ' + u; };
  const DesignShape& s = in.shape;
  return {
      QStringLiteral("vesk design: %1").arg(in.fileName),
      QStringLiteral("Length %1").arg(len(s.length)),
      QStringLiteral("Lower bout %1, waist %2, upper bout %3 (half-widths)")
          .arg(len(s.lowerBout), len(s.waist), len(s.upperBout)),
      QStringLiteral("a3 %1, a4 %2, a5 %3, a6 %4")
          .arg(RoundedLength(s.a3), RoundedLength(s.a4), RoundedLength(s.a5), RoundedLength(s.a6)),
      QStringLiteral("Side length %1").arg(len(in.sideLength)),
      QStringLiteral("Unit: %1").arg(u),
      QStringLiteral("Outline chord tolerance %1 mm").arg(ShortestNumber(kChordToleranceMm)),
      QStringLiteral("Check square %1").arg(CheckSquareLabel(in.unit)),
  };
}
