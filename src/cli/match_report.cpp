// Match reports. Every number leaves in shortest round-trip form, so the JSON reads back bit for bit.
#include "cli/match_report.h"

#include <QStringList>
#include <cmath>

#include "geometry/number_text.h"
#include "match/match_fit.h"
#include "match/point_set.h"

namespace cli {
namespace {

constexpr double kDegreesPerRadian = 57.29577951308232;
constexpr std::size_t kRejectedListed = 20;

QString Shortest(double v) {
  return QString::fromStdString(ShortestRoundTrip(v));
}

JsonObject Values(const DesignValues& v) {
  JsonObject o;
  for (int j = 0; j < 8; ++j) o.push_back({QLatin1String(kDesignShapeNames[j]), v[j]});
  return o;
}

// Point i as the reader numbered it (from 1), and its line when it has one.
QString PointName(std::size_t i, const PointSet& set) {
  QString where = QStringLiteral("point %1").arg(i + 1);
  if (set.LineOf(i) > 0) where += QStringLiteral(" (line %1)").arg(set.LineOf(i));
  return where;
}

QString WaistText(const MatchResult& r) {
  return QStringLiteral(
             "the points have no waist: the best outline is the family's limit, its waist level "
             "with the %1 bout")
      .arg(r.values[1] < r.values[3] ? QStringLiteral("lower") : QStringLiteral("upper"));
}

JsonArray Layers(const PointSet& set) {
  JsonArray layers;
  for (const LayerPoints& l : set.layers)
    layers.push_back(JsonObject{{"name", QString::fromStdString(l.name)}, {"points", qint64(l.points)}});
  return layers;
}

void AddReading(JsonObject& o, const PointSet& set, const MatchSource& s) {
  if (!set.layers.empty()) {
    o.push_back({"layers", Layers(set)});
    o.push_back({"layer", QString::fromStdString(set.layer)});
  }
  JsonArray notes;
  for (const std::string& n : set.notes) notes.push_back(QString::fromStdString(n));
  if (!notes.empty()) o.push_back({"notes", notes});
  if (!s.warning.isEmpty()) o.push_back({"warning", s.warning});
}

JsonObject Sides(const MatchResult& r) {
  return JsonObject{
      {"positive", JsonObject{{"points", qint64(r.positiveSide.count)}, {"rms", r.positiveSide.rms}}},
      {"negative", JsonObject{{"points", qint64(r.negativeSide.count)}, {"rms", r.negativeSide.rms}}}};
}

QString ReadingText(const PointSet& set) {
  QString t;
  if (!set.layers.empty()) {
    QStringList layers;
    for (const LayerPoints& l : set.layers)
      layers << QStringLiteral("%1 %2 points").arg(QString::fromStdString(l.name)).arg(l.points);
    t += QStringLiteral("layers: %1; read %2\n")
             .arg(layers.join(QStringLiteral(", ")),
                  set.layer.empty() ? QStringLiteral("all of them") : QString::fromStdString(set.layer));
  }
  for (const std::string& n : set.notes) t += QStringLiteral("note: %1\n").arg(QString::fromStdString(n));
  return t;
}

QString RejectedText(const MatchResult& r, const PointSet& set) {
  if (r.rejected.empty()) return {};
  QStringList names;
  for (std::size_t k = 0; k < r.rejected.size() && k < kRejectedListed; ++k)
    names << PointName(r.rejected[k], set);
  if (r.rejected.size() > kRejectedListed)
    names << QStringLiteral("%1 more").arg(r.rejected.size() - kRejectedListed);
  return QStringLiteral("left out %1 stray points: %2\n")
      .arg(r.rejected.size())
      .arg(names.join(QStringLiteral(", ")));
}

QString SidesText(const MatchResult& r, const QString& unit) {
  return QStringLiteral("sides: +y %1 points rms %2 %3, -y %4 points rms %5 %3\n")
      .arg(r.positiveSide.count)
      .arg(r.positiveSide.rms, 0, 'g', 6)
      .arg(unit)
      .arg(r.negativeSide.count)
      .arg(r.negativeSide.rms, 0, 'g', 6);
}

}  // namespace

JsonObject MatchJson(const MatchResult& r, const PointSet& set, const MatchSource& s) {
  JsonObject o{{"file", s.file}, {"unit", s.unit}};
  for (JsonMember& m : Values(r.values)) o.push_back(std::move(m));
  o.push_back({"rms", r.rms});
  o.push_back({"maxDistance", r.maxDistance});
  o.push_back({"maxDistancePoint", qint64(r.maxIndex + 1)});
  if (set.LineOf(r.maxIndex) > 0) o.push_back({"maxDistanceLine", set.LineOf(r.maxIndex)});
  o.push_back({"points", qint64(r.points.size())});
  JsonArray rejected;
  for (std::size_t i : r.rejected) rejected.push_back(qint64(i));
  o.push_back({"rejected", rejected});
  o.push_back({"hasWaist", r.hasWaist});
  o.push_back({"starts", r.starts});
  o.push_back({"iterations", r.iterations});
  o.push_back({"evaluations", r.evaluations});
  o.push_back({"refused", r.refused});
  o.push_back({"stopReason", QString::fromStdString(r.stopReason)});
  o.push_back({"stopText", QString::fromStdString(r.stopText)});
  o.push_back({"start", Values(r.start)});
  if (s.aligned)
    o.push_back({"alignment", JsonObject{{"angle", r.motion.angle * kDegreesPerRadian},
                                         {"shiftX", r.motion.shift.x},
                                         {"shiftY", r.motion.shift.y}}});
  if (r.wholeBody) o.push_back({"sides", Sides(r)});
  JsonArray distances;
  for (const PointMatch& p : r.points) distances.push_back(p.distance);
  o.push_back({"distances", distances});
  AddReading(o, set, s);
  return o;
}

QString MatchSummary(const MatchResult& r, const PointSet& set, const MatchSource& s) {
  QString t = QStringLiteral("matched %1 points of %2 (%3)\n").arg(r.points.size()).arg(s.file, s.unit);
  t += ReadingText(set);
  for (int j = 0; j < 8; ++j)
    t += QStringLiteral("%1 = %2\n").arg(QLatin1String(kDesignShapeNames[j]), Shortest(r.values[j]));
  t += QStringLiteral("rms = %1 %2\n").arg(r.rms, 0, 'g', 6).arg(s.unit);
  const PointMatch& worst = r.points[r.maxIndex];
  t += QStringLiteral("max distance = %1 %2 at %3: %4, %5\n")
           .arg(r.maxDistance, 0, 'g', 6)
           .arg(s.unit, PointName(r.maxIndex, set))
           .arg(worst.point.x, 0, 'g', 8)
           .arg(worst.point.y, 0, 'g', 8);
  t += RejectedText(r, set);
  if (!r.hasWaist) t += WaistText(r) + '\n';
  if (r.wholeBody) t += SidesText(r, s.unit);
  if (s.aligned)
    t += QStringLiteral("alignment: turned %1 degrees, shifted %2, %3 %4\n")
             .arg(r.motion.angle * kDegreesPerRadian, 0, 'g', 10)
             .arg(r.motion.shift.x, 0, 'g', 10)
             .arg(r.motion.shift.y, 0, 'g', 10)
             .arg(s.unit);
  t += QStringLiteral(
           "solver: %1 starts, %2 iterations, %3 evaluations (%4 candidates of the last run not a body); "
           "stopped: %5 (%6)\n")
           .arg(r.starts)
           .arg(r.iterations)
           .arg(r.evaluations)
           .arg(r.refused)
           .arg(QString::fromStdString(r.stopText), QString::fromStdString(r.stopReason));
  return t;
}

}  // namespace cli
