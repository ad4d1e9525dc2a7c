// Fit reports: every figure read straight from the shape state, so that the JSON reproduces it exactly.
#include "cli/fit_report.h"

#include "cli/json_output.h"
#include "document/design_defaults.h"
#include "geometry/fit_shape.h"
#include "geometry/outline.h"
#include "geometry/shape_state.h"
#include "geometry/side_length.h"

namespace cli {

FitInputs DefaultFitInputs() {
  using namespace DesignDefaults;
  return {kLength, kLowerBout, kWaist, kUpperBout, kA3, kA4, kA5, kA6};
}

int RunFit(const FitInputs& in) {
  return FitShape(in.length, in.lowerBout, in.waist, in.upperBout, in.a3, in.a4, in.a5, in.a6);
}

JsonObject FitJson(int result) {
  const ShapeState& s = g_shapeState;
  JsonArray coeff;
  for (double a : s.coeff) coeff.push_back(a);
  JsonArray extrema;
  for (const ExtremumRecord& e : s.extrema)
    extrema.push_back(JsonObject{{"angle", e.angle}, {"kind", e.kind}});
  return JsonObject{
      {"result", result},
      {"fitValid", IsFitValid()},
      {"errorText", QString::fromStdString(s.errorText)},
      {"passes", LastFitPassCount()},
      {"coeff", coeff},
      {"verticalScale", s.verticalScale},
      {"extrema", extrema},
      {"sideLength", SideLength(1.0)},
      {"length", OutlineX(0.0)},
  };
}

QString FitSummary(int result) {
  const ShapeState& s = g_shapeState;
  QString text;
  if (result == 0)
    text += QStringLiteral("fit converged after %1 passes\n").arg(LastFitPassCount());
  else
    text += QStringLiteral("fit failed after %1 passes: %2\n")
                .arg(LastFitPassCount())
                .arg(QString::fromStdString(s.errorText));
  for (int k = 0; k < 7; ++k) text += QStringLiteral("a%1 = %2\n").arg(k).arg(s.coeff[k], 0, 'g', 17);
  text += QStringLiteral("vertical scale = %1\n").arg(s.verticalScale, 0, 'g', 17);
  if (result != 0) return text;
  const char* names[3] = {"lower bout", "waist", "upper bout"};
  for (int i = 0; i < 3; ++i) {
    const double t = s.extrema[i].angle;
    text += QStringLiteral("%1: %2 at %3 degrees\n")
                .arg(QLatin1String(names[i]))
                .arg(OutlineY(t), 0, 'g', 10)
                .arg(t, 0, 'g', 10);
  }
  text += QStringLiteral("length = %1\n").arg(OutlineX(0.0), 0, 'g', 17);
  text += QStringLiteral("side length = %1\n").arg(SideLength(1.0), 0, 'g', 17);
  return text;
}

}  // namespace cli
