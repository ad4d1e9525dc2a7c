// The points files and reports of vesk-cli trace. Coordinates leave shortest round trip.
#include "cli/trace_output.h"

#include <QFileInfo>

#include "export/dxf_writer.h"
#include "export/export_model.h"
#include "geometry/number_text.h"

namespace cli {
namespace {

QString Suffix(const QString& name) {
  return QFileInfo(name).suffix().toLower();
}

QByteArray TextPoints(const TraceResult& traced, const QString& source, ExportUnit unit, bool csv) {
  QByteArray out;
  if (csv) {
    out += "x,y\n";
  } else {
    out += QStringLiteral("# traced by vesk-cli from %1, in %2\n")
               .arg(QFileInfo(source).fileName(), UnitName(unit))
               .toUtf8();
  }
  for (const Point2& p : traced.points)
    out +=
        QByteArray::fromStdString(ShortestRoundTrip(p.x) + (csv ? "," : " ") + ShortestRoundTrip(p.y) + "\n");
  return out;
}

Result<QByteArray> DxfPoints(const TraceResult& traced, ExportUnit unit) {
  ExportModel model = NewExportModel(unit);
  Polyline outline;
  outline.closed = true;
  outline.points = traced.points;
  model.AddLayer(QStringLiteral("OUTLINE"), Part::Outline).polylines.push_back(outline);
  const DxfOptions options{DxfVersion::R12, unit == ExportUnit::In ? DxfUnit::In : DxfUnit::Mm,
                           QStringLiteral("vesk, an outline traced from a picture (a point about every mm)")};
  return WriteDxf(model, options);
}

const char* KindKey(TracedKind kind) {
  return kind == TracedKind::Silhouette ? "silhouette" : "line";
}

const char* KindText(TracedKind kind) {
  return kind == TracedKind::Silhouette ? "the edge of a silhouette" : "the middle of a drawn line";
}

}  // namespace

bool IsTracedPointsName(const QString& name) {
  const QString s = Suffix(name);
  return s == "csv" || s == "txt" || s == "dxf";
}

Result<QByteArray> TracedPointsFile(const TraceResult& traced, const QString& name, const QString& source,
                                    ExportUnit unit) {
  if (Suffix(name) == "dxf") return DxfPoints(traced, unit);
  return TextPoints(traced, source, unit, Suffix(name) == "csv");
}

JsonObject TraceJson(const TraceResult& t, const QString& file, ExportUnit unit) {
  return JsonObject{{"file", file},
                    {"unit", UnitName(unit)},
                    {"outline", KindKey(t.kind)},
                    {"pixelsPerMm", t.pixelsPerMm},
                    {"scaleSource", QString::fromStdString(t.scaleSource)},
                    {"tiltDegrees", t.tiltDegrees},
                    {"width", t.width},
                    {"height", t.height},
                    {"points", qint64(t.points.size())},
                    {"pictureWidth", t.pictureWidth},
                    {"pictureHeight", t.pictureHeight}};
}

QString TraceSummary(const TraceResult& t, const QString& file, ExportUnit unit) {
  return QStringLiteral("traced %1 points along %2 in %3 (%4)\n")
             .arg(t.points.size())
             .arg(QLatin1String(KindText(t.kind)), file, UnitName(unit)) +
         QStringLiteral("scale: %1 pixels/mm from %2\n")
             .arg(t.pixelsPerMm, 0, 'g', 6)
             .arg(QString::fromStdString(t.scaleSource)) +
         QStringLiteral("tilt removed: %1 degrees\n").arg(t.tiltDegrees, 0, 'f', 1) +
         QStringLiteral("extent: %1 x %2 %3\n")
             .arg(t.width, 0, 'g', 6)
             .arg(t.height, 0, 'g', 6)
             .arg(UnitName(unit));
}

}  // namespace cli
