// Fit reports: every figure read straight from the fitted outline.
#include "cli/fit_report.h"

#include "cli/json_output.h"

namespace cli {

JsonObject FitJson(const FittedOutline& s) {
  JsonArray coeff;
  for (double a : s.coeff) coeff.push_back(a);
  JsonArray extrema;
  for (const ExtremumRecord& e : s.extrema)
    extrema.push_back(JsonObject{{"angle", e.angle}, {"kind", e.kind}});
  return JsonObject{
      {"result", s.Valid() ? 0 : -1},
      {"fitValid", s.fitValid},
      {"errorText", QString::fromStdString(s.errorText)},
      {"passes", s.passes},
      {"coeff", coeff},
      {"verticalScale", s.verticalScale},
      {"extrema", extrema},
      {"sideLength", s.SideLength(1.0)},
      {"length", s.X(0.0)},
  };
}

QString FitSummary(const FittedOutline& s) {
  QString text;
  if (s.Valid())
    text += QStringLiteral("fit converged after %1 passes\n").arg(s.passes);
  else
    text += QStringLiteral("fit failed after %1 passes: %2\n")
                .arg(s.passes)
                .arg(QString::fromStdString(s.errorText));
  for (int k = 0; k < 7; ++k) text += QStringLiteral("a%1 = %2\n").arg(k).arg(s.coeff[k], 0, 'g', 17);
  text += QStringLiteral("vertical scale = %1\n").arg(s.verticalScale, 0, 'g', 17);
  if (!s.Valid()) return text;
  const char* names[3] = {"lower bout", "waist", "upper bout"};
  for (int i = 0; i < 3; ++i) {
    const double t = s.extrema[i].angle;
    text += QStringLiteral("%1: %2 at %3 degrees\n")
                .arg(QLatin1String(names[i]))
                .arg(s.Y(t), 0, 'g', 10)
                .arg(t, 0, 'g', 10);
  }
  text += QStringLiteral("length = %1\n").arg(s.X(0.0), 0, 'g', 17);
  text += QStringLiteral("side length = %1\n").arg(s.SideLength(1.0), 0, 'g', 17);
  return text;
}

}  // namespace cli
