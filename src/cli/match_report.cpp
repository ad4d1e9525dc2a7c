// Match reports. Every number leaves in shortest round-trip form, so the JSON reads back bit for bit.
#include "cli/match_report.h"

#include <QJsonArray>
#include <QLocale>
#include <cmath>
#include <vector>

#include "cli/json_output.h"
#include "match/match_fit.h"

namespace cli {
namespace {

QString Shortest(double v) {
  return QString::number(v, 'g', QLocale::FloatingPointShortest);
}

constexpr double kDegreesPerRadian = 57.29577951308232;

}  // namespace

QJsonObject MatchJson(const MatchResult& r, const MatchSource& s, const std::vector<int>& lines) {
  QJsonObject o;
  o.insert(QStringLiteral("file"), s.file);
  o.insert(QStringLiteral("unit"), s.unit);
  for (int j = 0; j < 8; ++j) o.insert(QLatin1String(kDesignValueNames[j]), JsonNumber(r.values[j]));
  o.insert(QStringLiteral("rms"), JsonNumber(r.rms));
  o.insert(QStringLiteral("maxDistance"), JsonNumber(r.maxDistance));
  o.insert(QStringLiteral("maxDistancePoint"), int(r.maxIndex + 1));
  if (r.maxIndex < lines.size() && lines[r.maxIndex] > 0)
    o.insert(QStringLiteral("maxDistanceLine"), lines[r.maxIndex]);
  o.insert(QStringLiteral("points"), int(r.points.size()));
  o.insert(QStringLiteral("iterations"), r.iterations);
  o.insert(QStringLiteral("evaluations"), r.evaluations);
  o.insert(QStringLiteral("stopReason"), QString::fromStdString(r.stopReason));
  o.insert(QStringLiteral("stopText"), QString::fromStdString(r.stopText));
  QJsonObject start;
  for (int j = 0; j < 8; ++j) start.insert(QLatin1String(kDesignValueNames[j]), JsonNumber(r.start[j]));
  o.insert(QStringLiteral("start"), start);
  if (s.aligned)
    o.insert(QStringLiteral("alignment"),
             QJsonObject{{"angle", JsonNumber(r.motion.angle * kDegreesPerRadian)},
                         {"shiftX", JsonNumber(r.motion.shiftX)},
                         {"shiftY", JsonNumber(r.motion.shiftY)}});
  if (r.wholeBody)
    o.insert(QStringLiteral("sides"),
             QJsonObject{{"positive", QJsonObject{{"points", int(r.positiveSide.count)},
                                                  {"rms", JsonNumber(r.positiveSide.rms)}}},
                         {"negative", QJsonObject{{"points", int(r.negativeSide.count)},
                                                  {"rms", JsonNumber(r.negativeSide.rms)}}}});
  QJsonArray distances;
  for (const PointMatch& p : r.points) distances.append(JsonNumber(p.distance));
  o.insert(QStringLiteral("distances"), distances);
  if (!s.note.isEmpty()) o.insert(QStringLiteral("note"), s.note);
  return o;
}

QString MatchSummary(const MatchResult& r, const MatchSource& s, const std::vector<int>& lines) {
  QString t = QStringLiteral("matched %1 points of %2 (%3)\n").arg(r.points.size()).arg(s.file, s.unit);
  if (!s.note.isEmpty()) t += QStringLiteral("note: %1\n").arg(s.note);
  for (int j = 0; j < 8; ++j)
    t += QStringLiteral("%1 = %2\n").arg(QLatin1String(kDesignValueNames[j]), Shortest(r.values[j]));
  t += QStringLiteral("rms = %1 %2\n").arg(r.rms, 0, 'g', 6).arg(s.unit);
  const PointMatch& worst = r.points[r.maxIndex];
  QString where = QStringLiteral("point %1").arg(r.maxIndex + 1);
  if (r.maxIndex < lines.size() && lines[r.maxIndex] > 0)
    where += QStringLiteral(" (line %1)").arg(lines[r.maxIndex]);
  t += QStringLiteral("max distance = %1 %2 at %3: %4, %5\n")
           .arg(r.maxDistance, 0, 'g', 6)
           .arg(s.unit, where)
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
  t += QStringLiteral("solver: %1 iterations, %2 evaluations; stopped: %3 (%4)\n")
           .arg(r.iterations)
           .arg(r.evaluations)
           .arg(QString::fromStdString(r.stopText), QString::fromStdString(r.stopReason));
  return t;
}

}  // namespace cli
