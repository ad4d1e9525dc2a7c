// dxflib writes the sections and entities. Header variables that its writeHeader leaves out
// ($INSUNITS, $MEASUREMENT, $EXTMIN, $EXTMAX) go through its own low-level group writer, in R12 as
// well, since readers take the unit from $INSUNITS whatever the version. dxflib writes only to a
// named file, so the drawing goes to a private temporary file first and comes back as bytes.
#include "export/dxf_writer.h"

#include <QFile>
#include <QTemporaryDir>
#include <dl_dxf.h>
#include <memory>

#include "export/export_layers.h"
#include "export/export_model.h"
#include "export/title_block.h"

namespace {

// $INSUNITS codes.
constexpr int kInsUnitsInch = 1;
constexpr int kInsUnitsCentimetre = 5;

DL_Attributes OnLayer(Layer layer) {
  return DL_Attributes(StyleOf(layer).name, DL_Codes::bylayer, -1, "BYLAYER", 1.0);
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
  DxfDrawing(DL_Dxf& dxf, DL_WriterA& dw, DxfVersion version) : m_dxf(dxf), m_dw(dw), m_version(version) {}

  void Header(const ExportModel& m) {
    m_dw.comment(QStringLiteral("vesk template, numbers in %1; the outline is within %2 mm of the fitted curve")
                     .arg(UnitName(m.unit), ShortestNumber(kChordToleranceMm))
                     .toStdString()
                     .c_str());
    m_dxf.writeHeader(m_dw);
    m_dw.dxfString(9, "$INSUNITS");
    m_dw.dxfInt(70, m.unit == ExportUnit::Cm ? kInsUnitsCentimetre : kInsUnitsInch);
    m_dw.dxfString(9, "$MEASUREMENT");
    m_dw.dxfInt(70, m.unit == ExportUnit::Cm ? 1 : 0);
    m_dw.dxfString(9, "$EXTMIN");
    m_dw.coord(10, m.all.minX, m.all.minY, 0.0);
    m_dw.dxfString(9, "$EXTMAX");
    m_dw.coord(10, m.all.maxX, m.all.maxY, 0.0);
    m_dw.sectionEnd();
  }

  void Tables() {
    m_dw.sectionTables();
    m_dxf.writeVPort(m_dw);
    const bool r2000 = m_version == DxfVersion::R2000;
    m_dw.tableLinetypes(r2000 ? 3 : 1);
    m_dxf.writeLinetype(m_dw, DL_LinetypeData("BYBLOCK", "", 0, 0, 0.0));  // skipped in R12
    m_dxf.writeLinetype(m_dw, DL_LinetypeData("BYLAYER", "", 0, 0, 0.0));  // skipped in R12
    m_dxf.writeLinetype(m_dw, DL_LinetypeData("CONTINUOUS", "Solid line", 0, 0, 0.0));
    m_dw.tableEnd();
    m_dw.tableLayers(static_cast<int>(kAllLayers.size()) + 1);
    m_dxf.writeLayer(m_dw, DL_LayerData("0", 0), DL_Attributes("", DL_Codes::black, -3, "CONTINUOUS", 1.0));
    for (Layer layer : kAllLayers)
      m_dxf.writeLayer(m_dw, DL_LayerData(StyleOf(layer).name, 0),
                       DL_Attributes("", StyleOf(layer).aci, -3, "CONTINUOUS", 1.0));
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
    Closed(m.outline, Layer::Outline);
    for (const Segment& s : m.centreline) Line(s, Layer::Centreline);
    if (m.soundhole)
      m_dxf.writeCircle(m_dw, DL_CircleData(m.soundhole->centre.x, m.soundhole->centre.y, 0.0, m.soundhole->radius),
                        OnLayer(Layer::Soundhole));
    for (const Segment& s : m.soundholeCross) Line(s, Layer::Soundhole);
    for (const Segment& s : m.frets) Line(s, Layer::Frets);
    Closed(m.checkSquare, Layer::Check);
    for (const TextLine& t : m.title)
      m_dxf.writeText(m_dw,
                      DL_TextData(t.baselineLeft.x, t.baselineLeft.y, 0.0, t.baselineLeft.x, t.baselineLeft.y, 0.0,
                                  m.textHeight, 1.0, 0, 0, 0, DxfText(t.text), "Standard", 0.0),
                      OnLayer(Layer::Title));
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
  void Closed(const Polyline& line, Layer layer) {
    m_dxf.writePolyline(m_dw, DL_PolylineData(static_cast<int>(line.points.size()), 0, 0, 1), OnLayer(layer));
    for (const Point2& p : line.points) m_dxf.writeVertex(m_dw, DL_VertexData(p.x, p.y, 0.0, 0.0));
    m_dxf.writePolylineEnd(m_dw);
  }

  void Line(const Segment& s, Layer layer) {
    m_dxf.writeLine(m_dw, DL_LineData(s.a.x, s.a.y, 0.0, s.b.x, s.b.y, 0.0), OnLayer(layer));
  }

  DL_Dxf& m_dxf;
  DL_WriterA& m_dw;
  DxfVersion m_version;
};

}  // namespace

QByteArray WriteDxf(const ExportModel& model, DxfVersion version, QString* error) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("template.dxf"));
  {
    DL_Dxf dxf;
    std::unique_ptr<DL_WriterA> dw(
        dxf.out(QFile::encodeName(path).constData(), version == DxfVersion::R2000 ? DL_Codes::AC1015 : DL_Codes::AC1009));
    if (!dir.isValid() || !dw) {
      if (error) *error = QStringLiteral("cannot create a temporary file for the DXF drawing");
      return {};
    }
    DxfDrawing drawing(dxf, *dw, version);
    drawing.Header(model);
    drawing.Tables();
    drawing.Blocks();
    drawing.Entities(model);
    drawing.End();
  }
  QFile file(path);
  QByteArray bytes;
  if (file.open(QIODevice::ReadOnly)) bytes = file.readAll();
  if (!bytes.endsWith("EOF\n")) {
    if (error) *error = QStringLiteral("the DXF drawing could not be written completely");
    return {};
  }
  return bytes;
}
