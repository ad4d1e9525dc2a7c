// dxflib writes the sections and entities. Header variables that its writeHeader leaves out
// ($INSUNITS, $MEASUREMENT, $EXTMIN, $EXTMAX) go through its own low-level group writer, in R12 as
// well, since readers take the unit from $INSUNITS whatever the version. Coordinates are converted
// from the model's unit to the file's, since many readers know only millimetres and inches. dxflib
// writes only to a named file, so the drawing goes to a private temporary file first and comes back
// as bytes; its OBJECTS section then gets the owner handles that dxflib leaves out.
#include "export/dxf_writer.h"

#include <dl_dxf.h>

#include <QFile>
#include <QTemporaryDir>
#include <memory>
#include <vector>

#include "export/dxf_objects.h"
#include "export/export_model.h"
#include "export/title_block.h"
#include "framework/error_text.h"
#include "geometry/units.h"

namespace {

// $INSUNITS codes.
constexpr int kInsUnitsInch = 1;
constexpr int kInsUnitsMillimetre = 4;

DL_Attributes OnLayer(const DrawingLayer& layer) {
  return DL_Attributes(layer.name.toStdString(), DL_Codes::bylayer, -1, "BYLAYER", 1.0);
}

// DXF text is 8-bit; anything beyond ASCII goes as a \U+XXXX escape, which readers decode.
std::string DxfText(const QString& text) {
  std::string out;
  for (const QChar c : text) {
    if (c.unicode() >= 32 && c.unicode() < 127)
      out += static_cast<char>(c.unicode());
    else
      out += QStringLiteral("\\U+%1").arg(c.unicode(), 4, 16, QChar('0')).toUpper().toStdString();
  }
  return out;
}

class DxfDrawing {
 public:
  DxfDrawing(DL_Dxf& dxf, DL_WriterA& dw, const DxfOptions& options, double scale)
      : m_dxf(dxf), m_dw(dw), m_version(options.version), m_unit(options.unit), m_k(scale) {}

  void Header(const ExportModel& m) {
    const bool mm = m_unit == DxfUnit::Mm;
    m_dw.comment(
        QStringLiteral("vesk template, numbers in %1; the outline is within %2 mm of the fitted curve")
            .arg(mm ? QStringLiteral("mm") : QStringLiteral("in"), ShortestNumber(kChordToleranceMm))
            .toStdString()
            .c_str());
    m_dxf.writeHeader(m_dw);
    m_dw.dxfString(9, "$INSUNITS");
    m_dw.dxfInt(70, mm ? kInsUnitsMillimetre : kInsUnitsInch);
    m_dw.dxfString(9, "$MEASUREMENT");
    m_dw.dxfInt(70, mm ? 1 : 0);
    m_dw.dxfString(9, "$EXTMIN");
    const Bounds all = m.ShownBounds();
    m_dw.coord(10, X(all.minX), X(all.minY), 0.0);
    m_dw.dxfString(9, "$EXTMAX");
    m_dw.coord(10, X(all.maxX), X(all.maxY), 0.0);
    m_dw.sectionEnd();
  }

  void Tables(const ExportModel& m) {
    m_dw.sectionTables();
    m_dxf.writeVPort(m_dw);
    const bool r2000 = m_version == DxfVersion::R2000;
    m_dw.tableLinetypes(r2000 ? 3 : 1);
    m_dxf.writeLinetype(m_dw, DL_LinetypeData("BYBLOCK", "", 0, 0, 0.0));  // skipped in R12
    m_dxf.writeLinetype(m_dw, DL_LinetypeData("BYLAYER", "", 0, 0, 0.0));  // skipped in R12
    m_dxf.writeLinetype(m_dw, DL_LinetypeData("CONTINUOUS", "Solid line", 0, 0, 0.0));
    m_dw.tableEnd();
    std::vector<const DrawingLayer*> shown;
    for (const DrawingLayer& layer : m.layers)
      if (m.Shows(layer)) shown.push_back(&layer);
    m_dw.tableLayers(static_cast<int>(shown.size()) + 1);
    WriteLayerRecord("0", DL_Codes::white);
    for (const DrawingLayer* layer : shown) WriteLayerRecord(layer->name.toStdString(), layer->style.aci);
    m_dw.tableEnd();
    m_dw.tableStyle(1);
    m_dxf.writeStyle(m_dw, DL_StyleData("Standard", 0, 0.0, 1.0, 0.0, 0, 2.5, "txt", ""));
    m_dw.tableEnd();
    m_dxf.writeView(m_dw);
    m_dxf.writeUcs(m_dw);
    m_dw.tableAppid(1);
    m_dxf.writeAppid(m_dw, "ACAD");
    m_dw.tableEnd();
    m_dxf.writeDimStyle(m_dw, 1, 1, 1, 1, 1);
    if (r2000) {
      m_dxf.writeBlockRecord(m_dw);
      m_dw.tableEnd();
    }
    m_dw.sectionEnd();
  }

  void Blocks() {
    m_dw.sectionBlocks();
    const char* names[] = {"*Model_Space", "*Paper_Space", "*Paper_Space0"};
    const int count = m_version == DxfVersion::R2000 ? 3 : 2;
    for (int i = 0; i < count; ++i) {
      m_dxf.writeBlock(m_dw, DL_BlockData(names[i], 0, 0.0, 0.0, 0.0));
      m_dxf.writeEndBlock(m_dw, names[i]);
    }
    m_dw.sectionEnd();
  }

  void Entities(const ExportModel& m) {
    m_dw.sectionEntities();
    // Text last: FreeCAD's reader loses the entity that follows a TEXT.
    for (const DrawingLayer& layer : m.layers)
      if (m.Shows(layer)) WriteShapes(layer);
    for (const DrawingLayer& layer : m.layers)
      if (m.Shows(layer)) WriteTexts(layer, m.textHeight);
    m_dw.sectionEnd();
  }

  void End() {
    if (m_version == DxfVersion::R2000) {
      m_dxf.writeObjects(m_dw);
      m_dxf.writeObjectsEnd(m_dw);
    }
    m_dw.dxfEOF();
    m_dw.close();
  }

 private:
  // dxflib's R12 layer record starts with the name; readers that skip a record's handle (FreeCAD's
  // among them) then lose the name and every layer. R12 allows a handle, so it gets one.
  void WriteLayerRecord(const std::string& name, int aci) {
    if (m_version == DxfVersion::R2000) {
      m_dxf.writeLayer(m_dw, DL_LayerData(name, 0), DL_Attributes("", aci, -3, "CONTINUOUS", 1.0));
      return;
    }
    m_dw.dxfString(0, "LAYER");
    m_dw.handle();
    m_dw.dxfString(2, name);
    m_dw.dxfInt(70, 0);
    m_dw.dxfInt(62, aci);
    m_dw.dxfString(6, "CONTINUOUS");
  }

  void WriteShapes(const DrawingLayer& layer) {
    const DL_Attributes on = OnLayer(layer);
    for (const Polyline& line : layer.polylines) WritePolyline(line, on);
    for (const Circle& c : layer.circles)
      m_dxf.writeCircle(m_dw, DL_CircleData(X(c.centre.x), X(c.centre.y), 0.0, X(c.radius)), on);
    for (const Segment& s : layer.segments)
      m_dxf.writeLine(m_dw, DL_LineData(X(s.a.x), X(s.a.y), 0.0, X(s.b.x), X(s.b.y), 0.0), on);
  }

  void WriteTexts(const DrawingLayer& layer, double textHeight) {
    const DL_Attributes on = OnLayer(layer);
    for (const TextLine& t : layer.texts) {
      const double x = X(t.baselineLeft.x), y = X(t.baselineLeft.y);
      const double h = X(t.height > 0.0 ? t.height : textHeight);
      m_dxf.writeText(
          m_dw, DL_TextData(x, y, 0.0, x, y, 0.0, h, 1.0, 0, 0, 0, DxfText(t.text), "Standard", 0.0), on);
    }
  }

  void WritePolyline(const Polyline& line, const DL_Attributes& on) {
    m_dxf.writePolyline(m_dw,
                        DL_PolylineData(static_cast<int>(line.points.size()), 0, 0, line.closed ? 1 : 0), on);
    for (const Point2& p : line.points) m_dxf.writeVertex(m_dw, DL_VertexData(X(p.x), X(p.y), 0.0, 0.0));
    m_dxf.writePolylineEnd(m_dw);
  }

  // A length of the model in the file's unit.
  double X(double modelLength) const { return modelLength * m_k; }

  DL_Dxf& m_dxf;
  DL_WriterA& m_dw;
  DxfVersion m_version;
  DxfUnit m_unit;
  double m_k;
};

}  // namespace

bool ParseDxfUnit(const QString& text, DxfUnit* unit) {
  if (text == QLatin1String("mm")) {
    *unit = DxfUnit::Mm;
    return true;
  }
  if (text == QLatin1String("in")) {
    *unit = DxfUnit::In;
    return true;
  }
  return false;
}

Result<QByteArray> WriteDxf(const ExportModel& model, const DxfOptions& options) {
  const DxfVersion version = options.version;
  const double scale = MillimetresPerUnit(model.unit) / (options.unit == DxfUnit::Mm ? 1.0 : kMmPerInch);
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("template.dxf"));
  {
    DL_Dxf dxf;
    std::unique_ptr<DL_WriterA> dw(dxf.out(QFile::encodeName(path).constData(), version == DxfVersion::R2000
                                                                                    ? DL_Codes::AC1015
                                                                                    : DL_Codes::AC1009));
    if (!dir.isValid() || !dw)
      return ErrorFrom(QStringLiteral("cannot create a temporary file for the DXF drawing"));
    DxfDrawing drawing(dxf, *dw, options, scale);
    drawing.Header(model);
    drawing.Tables(model);
    drawing.Blocks();
    drawing.Entities(model);
    drawing.End();
  }
  QFile file(path);
  QByteArray bytes;
  if (file.open(QIODevice::ReadOnly)) bytes = file.readAll();
  if (!bytes.endsWith("EOF\n"))
    return ErrorFrom(QStringLiteral("the DXF drawing could not be written completely"));
  if (version == DxfVersion::R2000) return AddObjectOwners(bytes);
  return bytes;
}
