// The number and its unit, converted: between millimetres and centimetres by moving the decimal point
// (648mm is 64.8 cm to the last bit), to and from inches by 2.54 cm, as the design's own conversion.
#include "cli/length_option.h"

#include <QCommandLineParser>
#include <QRegularExpression>
#include <cmath>
#include <optional>

#include "cli/cli_command.h"
#include "geometry/number_text.h"
#include "geometry/units.h"

namespace cli {

namespace {

struct Typed {
  QString number;  // as typed, without its unit
  double value = 0.0;
  LengthUnit unit = LengthUnit::kCm;
};

std::optional<Typed> Split(const QString& text, LengthUnit bare) {
  static const QRegularExpression pattern(
      QStringLiteral("^\\s*([+-]?(?:\\d+\\.?\\d*|\\.\\d+)(?:[eE][+-]?\\d+)?)\\s*(mm|cm|in|\")?\\s*$"),
      QRegularExpression::CaseInsensitiveOption);
  const QRegularExpressionMatch m = pattern.match(text);
  if (!m.hasMatch()) return std::nullopt;
  Typed t;
  t.number = m.captured(1);
  bool ok = false;
  t.value = t.number.toDouble(&ok);
  if (!ok || !std::isfinite(t.value)) return std::nullopt;
  const QString suffix = m.captured(2).toLower();
  t.unit = suffix.isEmpty() ? bare
           : suffix == "mm" ? LengthUnit::kMm
           : suffix == "cm" ? LengthUnit::kCm
                            : LengthUnit::kIn;
  return t;
}

double Convert(double v, LengthUnit from, LengthUnit to) {
  if (from == to) return v;
  if (from == LengthUnit::kMm && to == LengthUnit::kCm) return ScaledByPowerOfTen(v, -1);
  if (from == LengthUnit::kCm && to == LengthUnit::kMm) return ScaledByPowerOfTen(v, 1);
  if (from == LengthUnit::kIn) return v * (to == LengthUnit::kCm ? kCmPerInch : kMmPerInch);
  return v / (from == LengthUnit::kCm ? kCmPerInch : kMmPerInch);
}

struct Range {
  double fromCm, toCm;
  const char* what;
};

std::optional<Range> UsualRange(Usual usual) {
  switch (usual) {
    case Usual::kAny:
      return std::nullopt;
    case Usual::kScale:
      return Range{20.0, 120.0, "scale length"};
    case Usual::kBodyLength:
      return Range{10.0, 200.0, "body length"};
    case Usual::kWidth:
      return Range{1.0, 60.0, "width"};
  }
  return std::nullopt;
}

// One line when the value lies outside the option's usual range, naming the unit that would bring it
// in, if one does.
void WarnIfUnusual(const QString& what, const Typed& t, Usual usual) {
  const std::optional<Range> range = UsualRange(usual);
  const auto inRange = [&](LengthUnit unit) {
    const double cm = Convert(t.value, unit, LengthUnit::kCm);
    return cm >= range->fromCm && cm <= range->toCm;
  };
  if (!range || inRange(t.unit)) return;
  QString advice = QStringLiteral("check its unit");
  for (LengthUnit unit : {LengthUnit::kMm, LengthUnit::kCm, LengthUnit::kIn}) {
    if (unit == t.unit || !inRange(unit)) continue;
    advice = QStringLiteral("did you mean %1%2?").arg(t.number, LengthUnitName(unit));
    break;
  }
  Warn(what, QStringLiteral("%1 %2 is outside the usual %3 to %4 cm of a %5; %6")
                 .arg(t.number, LengthUnitName(t.unit))
                 .arg(range->fromCm)
                 .arg(range->toCm)
                 .arg(QLatin1String(range->what), advice));
}

}  // namespace

LengthUnit DesignLengthUnit(ExportUnit unit) {
  return unit == ExportUnit::In ? LengthUnit::kIn : LengthUnit::kCm;
}

QString LengthUnitName(LengthUnit unit) {
  switch (unit) {
    case LengthUnit::kMm:
      return QStringLiteral("mm");
    case LengthUnit::kCm:
      return QStringLiteral("cm");
    case LengthUnit::kIn:
      break;
  }
  return QStringLiteral("in");
}

Result<double> ReadLength(const QString& what, const QString& text, const LengthRule& rule) {
  const std::optional<Typed> t = Split(text, rule.unit);
  if (!t)
    return UsageError(what, QStringLiteral("'%1' is not a length: give a number of %2, or one with its unit "
                                           "(648mm, 64.8cm, 25.5in, 25.5\")")
                                .arg(text, LengthUnitName(rule.unit)));
  if (rule.sign == LengthRule::kPositive && !(t->value > 0.0))
    return UsageError(what, NotGreaterThanZero(text));
  if (rule.sign == LengthRule::kNotNegative && t->value < 0.0) return UsageError(what, IsNegative(text));
  WarnIfUnusual(what, *t, rule.usual);
  return Convert(t->value, t->unit, rule.unit);
}

Result<double> LengthOption(const QCommandLineParser& parser, const QString& name, double fallback,
                            const LengthRule& rule) {
  if (!parser.isSet(name)) return fallback;
  return ReadLength(QStringLiteral("--") + name, parser.value(name), rule);
}

}  // namespace cli
