// The document report: one list of field names and values, so JSON and text cannot disagree.
#include "cli/document_report.h"

#include <utility>
#include <vector>

#include "cli/json_output.h"
#include "document/design.h"
#include "geometry/number_text.h"

namespace cli {

namespace {

std::vector<std::pair<const char*, double>> Lengths(const Design& d) {
  const DesignShape& s = d.shape;
  return {{"length", s.length},
          {"lowerBout", s.lowerBout},
          {"waist", s.waist},
          {"upperBout", s.upperBout},
          {"a3", s.a3},
          {"a4", s.a4},
          {"a5", s.a5},
          {"a6", s.a6},
          {"holeDiameter", d.holeDiameter},
          {"holePosition", d.holePosition},
          {"scaleLength", d.scaleLength},
          {"nutWidth", d.nutWidth},
          {"fret12Width", d.fret12Width},
          {"fret19Width", d.fret19Width}};
}

std::vector<std::pair<const char*, int>> Integers(const Design& d, int fitValid) {
  return {{"fitValid", fitValid}, {"holeDefined", d.holeDefined}, {"jointFret", d.jointFret}};
}

}  // namespace

JsonObject DocumentJson(const Design& design, int fitValid) {
  JsonObject o;
  for (const auto& [key, value] : Lengths(design)) o.push_back({QLatin1String(key), value});
  for (const auto& [key, value] : Integers(design, fitValid)) o.push_back({QLatin1String(key), value});
  return o;
}

QString DocumentSummary(const Design& design, int fitValid) {
  QString text;
  for (const auto& [key, value] : Lengths(design))
    text +=
        QStringLiteral("%1 = %2\n").arg(QLatin1String(key), QString::fromStdString(ShortestRoundTrip(value)));
  for (const auto& [key, value] : Integers(design, fitValid))
    text += QStringLiteral("%1 = %2\n").arg(QLatin1String(key)).arg(value);
  return text;
}

}  // namespace cli
