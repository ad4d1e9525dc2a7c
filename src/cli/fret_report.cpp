// Fret table text, JSON and CSV.
#include "cli/fret_report.h"

#include <QStringList>
#include <cmath>

#include "cli/json_output.h"
#include "geometry/number_text.h"

namespace cli {

namespace {

QString Exact(double value) {
  return QString::fromStdString(ShortestRoundTrip(value));
}

int Decimals(const FretReport& r) {
  return r.inches ? 4 : 3;
}

QString Rounded(const FretReport& r, double value, int width) {
  return QStringLiteral("%1").arg(value, width, 'f', Decimals(r));
}

QString Length(const FretReport& r, double value) {
  return QStringLiteral("%1 %2").arg(Exact(value), FretUnitName(r));
}

bool HasMargins(const FretTableInput& in) {
  return in.stringMarginNut != 0.0 || in.stringMarginLast != 0.0;
}

QString MarginText(const FretReport& r) {
  const FretTableInput& in = r.input;
  if (in.stringMarginNut == in.stringMarginLast)
    return QStringLiteral("%1 inside the edges").arg(Length(r, in.stringMarginNut));
  return QStringLiteral("%1 inside the edges at the nut, %2 at fret %3")
      .arg(Length(r, in.stringMarginNut), Length(r, in.stringMarginLast))
      .arg(in.fretCount);
}

QString Heading(const FretReport& r) {
  const FretTableInput& in = r.input;
  QString scale = r.table.multiscale
                      ? QStringLiteral("scale %1 bass, %2 treble, fret %3 square to the centreline")
                            .arg(Length(r, in.bassScale), Length(r, in.trebleScale))
                            .arg(in.perpendicularFret)
                      : QStringLiteral("scale %1").arg(Length(r, in.bassScale));
  QString text = QStringLiteral("Fret table: %1\n%2 frets; board %3 wide at the nut, %4 at fret %5\n")
                     .arg(scale)
                     .arg(in.fretCount)
                     .arg(Length(r, in.nutWidth), Length(r, in.widthAtFret))
                     .arg(in.widthFret);
  if (HasMargins(in)) text += QStringLiteral("Outer strings %1.\n").arg(MarginText(r));
  return text;
}

QString EdgeColumns(const FretReport& r, const FretOnEdge& e) {
  return Rounded(r, e.fromNut, 11) + Rounded(r, e.fromPrevious, 11) + Rounded(r, e.fromSaddle, 12) +
         Rounded(r, e.width, 10);
}

// Matches EdgeColumns: 11, 11, 12 and 10 characters.
const QString kEdgeHeader = QStringLiteral("   from nut  from prev from saddle     width");

QString JointMark(const FretReport& r, int fret) {
  return fret == r.jointFret ? QStringLiteral("  <- body joint") : QString();
}

QString Footer(const FretReport& r) {
  const FretTable& t = r.table;
  const QString unit = FretUnitName(r);
  QString out =
      HasMargins(r.input)
          ? QStringLiteral(
                "Distances in %1 along each outer string, measured along the centreline, each computed "
                "from the nut; widths where the fret meets the edge.\n")
                .arg(r.inches ? QStringLiteral("inches") : unit)
          : QStringLiteral("Distances in %1, along the centreline, each computed from the nut.\n")
                .arg(r.inches ? QStringLiteral("inches") : unit);
  if (t.multiscale)
    out += QStringLiteral("Board end: %1 from the nut on the bass edge, %2 on the treble edge.\n")
               .arg(Rounded(r, t.bassLength, 0), Rounded(r, t.trebleLength, 0));
  else
    out += QStringLiteral("Board end: %1 %2 from the nut.\n").arg(Rounded(r, t.bassLength, 0), unit);
  if (r.input.saddleCompensation != 0.0)
    out += QStringLiteral("From the saddle includes %1 of saddle compensation.\n")
               .arg(Length(r, r.input.saddleCompensation));
  return out;
}

JsonObject EdgeJson(const FretOnEdge& e) {
  return JsonObject{{"fromNut", e.fromNut},
                    {"fromPrevious", e.fromPrevious},
                    {"fromSaddle", e.fromSaddle},
                    {"width", e.width}};
}

QString EdgeCsv(const FretOnEdge& e) {
  return Exact(e.fromNut) + ',' + Exact(e.fromPrevious) + ',' + Exact(e.fromSaddle) + ',' + Exact(e.width);
}

QString EdgeCsvHeader(const QString& prefix, const QString& unit) {
  QStringList names;
  for (const char* n : {"from_nut", "from_previous", "from_saddle", "width"})
    names << prefix + QLatin1String(n) + '_' + unit;
  return names.join(',');
}

}  // namespace

FretReport MakeFretReport(const FretboardRequest& request) {
  FretReport r;
  r.inches = TableInInches(request.unit);
  r.input = TableInput(request);
  r.table = MakeFretTable(r.input);
  r.jointFret = MarkedJointFret(request);
  r.hand = request.hand;
  return r;
}

QString FretUnitName(const FretReport& report) {
  return TableUnitName(report.inches ? ExportUnit::In : ExportUnit::Cm);
}

QString FretTableText(const FretReport& r) {
  QString out = Heading(r) + Footer(r) + '\n';
  if (r.table.multiscale) {
    out += QStringLiteral("     %1  treble edge\n").arg(QStringLiteral("bass edge").leftJustified(44));
    out += QStringLiteral("fret %1  %2  angle (deg)\n").arg(kEdgeHeader, kEdgeHeader);
  } else {
    out += QStringLiteral("fret %1\n").arg(kEdgeHeader);
  }
  for (const FretRow& row : r.table.frets) {
    out += QStringLiteral("%1 ").arg(row.fret, 4) + EdgeColumns(r, row.bass);
    if (r.table.multiscale)
      out +=
          QStringLiteral("  ") + EdgeColumns(r, row.treble) + QStringLiteral("%1").arg(row.angle, 13, 'f', 3);
    out += JointMark(r, row.fret) + '\n';
  }
  return out;
}

JsonObject FretTableJson(const FretReport& r) {
  const FretTableInput& in = r.input;
  const FretTable& t = r.table;
  JsonArray rows;
  for (const FretRow& row : t.frets) {
    JsonObject o{{"fret", row.fret}};
    if (t.multiscale) {
      o.push_back({"bass", EdgeJson(row.bass)});
      o.push_back({"treble", EdgeJson(row.treble)});
      o.push_back({"angle", row.angle});
    } else {
      for (JsonMember& m : EdgeJson(row.bass)) o.push_back(std::move(m));
    }
    rows.push_back(std::move(o));
  }
  JsonObject out{{"unit", FretUnitName(r)}, {"multiscale", t.multiscale}};
  if (t.multiscale) {
    out.push_back({"bassScale", in.bassScale});
    out.push_back({"trebleScale", in.trebleScale});
    out.push_back({"perpendicularFret", in.perpendicularFret});
  } else {
    out.push_back({"scale", in.bassScale});
  }
  out.push_back({"frets", in.fretCount});
  out.push_back({"nutWidth", in.nutWidth});
  out.push_back({"widthAt", JsonObject{{"fret", in.widthFret}, {"width", in.widthAtFret}}});
  out.push_back(
      {"boardLength", t.multiscale ? JsonValue(JsonObject{{"bass", t.bassLength}, {"treble", t.trebleLength}})
                                   : JsonValue(t.bassLength)});
  out.push_back({"saddleCompensation", in.saddleCompensation});
  out.push_back({"stringMargin", JsonObject{{"nut", in.stringMarginNut}, {"lastFret", in.stringMarginLast}}});
  out.push_back({"handedness", r.hand == Handedness::kRight ? "right" : "left"});
  out.push_back({"jointFret", r.jointFret > 0 ? JsonValue(r.jointFret) : JsonValue()});
  out.push_back({"table", rows});
  return out;
}

QString FretTableCsv(const FretReport& r) {
  const QString unit = FretUnitName(r);
  QString out = QStringLiteral("fret,");
  out += r.table.multiscale
             ? EdgeCsvHeader("bass_", unit) + ',' + EdgeCsvHeader("treble_", unit) + ",angle_deg"
             : EdgeCsvHeader(QString(), unit);
  out += '\n';
  for (const FretRow& row : r.table.frets) {
    out += QString::number(row.fret) + ',' + EdgeCsv(row.bass);
    if (r.table.multiscale) out += ',' + EdgeCsv(row.treble) + ',' + Exact(row.angle);
    out += '\n';
  }
  return out;
}

}  // namespace cli
