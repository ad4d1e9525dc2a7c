// Match reports. Every number leaves in shortest round-trip form, so the JSON reads back bit for bit.
#include "cli/match_report.h"

#include <cmath>

#include "geometry/number_text.h"
#include "match/match_fit.h"

namespace cli {
namespace {

constexpr double kDegreesPerRadian = 57.29577951308232;

QString Shortest(double v) {
  return QString::fromStdString(ShortestRoundTrip(v));
}

JsonObject Values(const DesignValues& v) {
  JsonObject o;
  for (int j = 0; j < 8; ++j) o.push_back({QLatin1String(kDesignShapeNames[j]), v[j]});
  return o;
}

// The worst point as the reader numbered it, and its line when it has one.
QString WorstPoint(const MatchResult& r, const std::vector<int>& lines) {
  QString where = QStringLiteral("point %1").arg(r.maxIndex + 1);
  if (r.maxIndex < lines.size() && lines[r.maxIndex] > 0)
    where += QStringLiteral(" (line %1)").arg(lines[r.maxIndex]);
  return where;
}

}  // namespace

JsonObject MatchJson(const MatchResult& r, const MatchSource& s, const std::vector<int>& lines) {
  JsonObject o{{"file", s.file}, {"unit", s.unit}};
  for (JsonMember& m : Values(r.values)) o.push_back(std::move(m));
  o.push_back({"rms", r.rms});
  o.push_back({"maxDistance", r.maxDistance});
  o.push_back({"maxDistancePoint", qint64(r.maxIndex + 1)});
  if (r.maxIndex < lines.size() && lines[r.maxIndex] > 0) o.push_back({"maxDistanceLine", lines[r.maxIndex]});
  o.push_back({"points", qint64(r.points.size())});
  o.push_back({"iterations", r.iterations});
  o.push_back({"evaluations", r.evaluations});
  o.push_back({"refused", r.refused});
  o.push_back({"stopReason", QString::fromStdString(r.stopReason)});
  o.push_back({"stopText", QString::fromStdString(r.stopText)});
  o.push_back({"start", Values(r.start)});
  if (s.aligned)
    o.push_back({"alignment", JsonObject{{"angle", r.motion.angle * kDegreesPerRadian},
                                         {"shiftX", r.motion.shiftX},
                                         {"shiftY", r.motion.shiftY}}});
  if (r.wholeBody)
    o.push_back({"sides", JsonObject{{"positive", JsonObject{{"points", qint64(r.positiveSide.count)},
                                                             {"rms", r.positiveSide.rms}}},
                                     {"negative", JsonObject{{"points", qint64(r.negativeSide.count)},
                                                             {"rms", r.negativeSide.rms}}}}});
  JsonArray distances;
  for (const PointMatch& p : r.points) distances.push_back(p.distance);
  o.push_back({"distances", distances});
  if (!s.note.isEmpty()) o.push_back({"note", s.note});
  return o;
}

QString MatchSummary(const MatchResult& r, const MatchSource& s, const std::vector<int>& lines) {
  QString t = QStringLiteral("matched %1 points of %2 (%3)\n").arg(r.points.size()).arg(s.file, s.unit);
  if (!s.note.isEmpty()) t += QStringLiteral("note: %1\n").arg(s.note);
  for (int j = 0; j < 8; ++j)
    t += QStringLiteral("%1 = %2\n").arg(QLatin1String(kDesignShapeNames[j]), Shortest(r.values[j]));
  t += QStringLiteral("rms = %1 %2\n").arg(r.rms, 0, 'g', 6).arg(s.unit);
  const PointMatch& worst = r.points[r.maxIndex];
  t += QStringLiteral("max distance = %1 %2 at %3: %4, %5\n")
           .arg(r.maxDistance, 0, 'g', 6)
           .arg(s.unit, WorstPoint(r, lines))
           .arg(worst.x, 0, 'g', 8)
           .arg(worst.y, 0, 'g', 8);
  if (r.wholeBody)
    t += QStringLiteral("sides: +y %1 points rms %2 %3, -y %4 points rms %5 %3\n")
             .arg(r.positiveSide.count)
             .arg(r.positiveSide.rms, 0, 'g', 6)
             .arg(s.unit)
             .arg(r.negativeSide.count)
             .arg(r.negativeSide.rms, 0, 'g', 6);
  if (s.aligned)
    t += QStringLiteral("alignment: turned %1 degrees, shifted %2, %3 %4\n")
             .arg(r.motion.angle * kDegreesPerRadian, 0, 'g', 10)
             .arg(r.motion.shiftX, 0, 'g', 10)
             .arg(r.motion.shiftY, 0, 'g', 10)
             .arg(s.unit);
  t += QStringLiteral("solver: %1 iterations, %2 evaluations (%3 candidates not a body); stopped: %4 (%5)\n")
           .arg(r.iterations)
           .arg(r.evaluations)
           .arg(r.refused)
           .arg(QString::fromStdString(r.stopText), QString::fromStdString(r.stopReason));
  return t;
}

}  // namespace cli
