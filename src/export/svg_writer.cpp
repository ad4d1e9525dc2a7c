// Written with QXmlStreamWriter: QSvgGenerator names no layers and gives no physical size.
#include "export/svg_writer.h"

#include <QXmlStreamWriter>

#include "export/export_model.h"
#include "export/title_block.h"
#include "framework/error_text.h"

namespace {

constexpr double kMarginMm = 5.0;
const QString kFontFamily = QStringLiteral("DejaVu Sans, sans-serif");
const QString kInkscapeNs = QStringLiteral("http://www.inkscape.org/namespaces/inkscape");

QString Num(double v) {
  return ShortestNumber(v);
}
// SVG's y runs down; 0.0 - y keeps a zero from printing as "-0".
QString NumY(double y) {
  return ShortestNumber(0.0 - y);
}

QString Colour(const LayerStyle& s) {
  return QStringLiteral("#%1%2%3")
      .arg(s.red, 2, 16, QChar('0'))
      .arg(s.green, 2, 16, QChar('0'))
      .arg(s.blue, 2, 16, QChar('0'));
}

class SvgLayers {
 public:
  SvgLayers(QXmlStreamWriter& xml, const ExportModel& m) : m_xml(xml), m_model(m) {}

  void Layer(const DrawingLayer& layer) {
    m_xml.writeStartElement(QStringLiteral("g"));
    m_xml.writeAttribute(QStringLiteral("id"), layer.name);
    m_xml.writeAttribute(kInkscapeNs, QStringLiteral("groupmode"), QStringLiteral("layer"));
    m_xml.writeAttribute(kInkscapeNs, QStringLiteral("label"), layer.name);
    const bool textLayer = layer.part == Part::Title;
    if (textLayer) {
      m_xml.writeAttribute(QStringLiteral("fill"), Colour(layer.style));
      FontAttributes();
    } else {
      m_xml.writeAttribute(QStringLiteral("fill"), QStringLiteral("none"));
      m_xml.writeAttribute(QStringLiteral("stroke"), Colour(layer.style));
      m_xml.writeAttribute(QStringLiteral("stroke-width"), Num(m_model.strokeUnits));
    }
    // Importers name an object after its path's id (FreeCAD) or keep it (Inkscape): OUTLINE-1, ...
    for (std::size_t i = 0; i < layer.polylines.size(); ++i)
      Path(layer.polylines[i], QStringLiteral("%1-%2").arg(layer.name).arg(i + 1));
    for (const Circle& c : layer.circles) CircleShape(c);
    Lines(layer.segments);
    Texts(layer.texts, textLayer ? QString() : Colour(layer.style));
    m_xml.writeEndElement();
  }

 private:
  void FontAttributes() {
    m_xml.writeAttribute(QStringLiteral("font-family"), kFontFamily);
    m_xml.writeAttribute(QStringLiteral("font-size"), Num(m_model.textHeight));
  }

  void Path(const Polyline& line, const QString& id) {
    if (line.points.empty()) return;
    QString d;
    for (std::size_t i = 0; i < line.points.size(); ++i)
      d += (i == 0 ? QStringLiteral("M") : QStringLiteral(" L")) + Num(line.points[i].x) + ',' +
           NumY(line.points[i].y);
    if (line.closed) d += QStringLiteral(" Z");
    m_xml.writeEmptyElement(QStringLiteral("path"));
    m_xml.writeAttribute(QStringLiteral("id"), id);
    m_xml.writeAttribute(QStringLiteral("d"), d);
  }

  void Lines(const std::vector<Segment>& lines) {
    for (const Segment& s : lines) {
      m_xml.writeEmptyElement(QStringLiteral("line"));
      m_xml.writeAttribute(QStringLiteral("x1"), Num(s.a.x));
      m_xml.writeAttribute(QStringLiteral("y1"), NumY(s.a.y));
      m_xml.writeAttribute(QStringLiteral("x2"), Num(s.b.x));
      m_xml.writeAttribute(QStringLiteral("y2"), NumY(s.b.y));
    }
  }

  void CircleShape(const Circle& c) {
    m_xml.writeEmptyElement(QStringLiteral("circle"));
    m_xml.writeAttribute(QStringLiteral("cx"), Num(c.centre.x));
    m_xml.writeAttribute(QStringLiteral("cy"), NumY(c.centre.y));
    m_xml.writeAttribute(QStringLiteral("r"), Num(c.radius));
  }

  // In a stroked layer, text gets its own fill and font; it is filled, never outlined.
  void Texts(const std::vector<TextLine>& lines, const QString& fill) {
    for (const TextLine& t : lines) {
      m_xml.writeStartElement(QStringLiteral("text"));
      m_xml.writeAttribute(QStringLiteral("x"), Num(t.baselineLeft.x));
      m_xml.writeAttribute(QStringLiteral("y"), NumY(t.baselineLeft.y));
      if (!fill.isEmpty()) {
        m_xml.writeAttribute(QStringLiteral("fill"), fill);
        m_xml.writeAttribute(QStringLiteral("stroke"), QStringLiteral("none"));
        m_xml.writeAttribute(QStringLiteral("font-family"), kFontFamily);
      }
      if (!fill.isEmpty() || t.height > 0.0)
        m_xml.writeAttribute(QStringLiteral("font-size"),
                             Num(t.height > 0.0 ? t.height : m_model.textHeight));
      m_xml.writeCharacters(t.text);
      m_xml.writeEndElement();
    }
  }

  QXmlStreamWriter& m_xml;
  const ExportModel& m_model;
};

void WriteRoot(QXmlStreamWriter& xml, const ExportModel& m) {
  const double margin = UnitsFromMillimetres(kMarginMm, m.unit);
  const Bounds all = m.ShownBounds();
  const double x = all.minX - margin, y = 0.0 - (all.maxY + margin);
  const double w = all.Width() + 2 * margin, h = all.Height() + 2 * margin;
  const QString unit = UnitName(m.unit);
  xml.writeDefaultNamespace(QStringLiteral("http://www.w3.org/2000/svg"));
  xml.writeNamespace(kInkscapeNs, QStringLiteral("inkscape"));
  xml.writeStartElement(QStringLiteral("svg"));
  xml.writeAttribute(QStringLiteral("version"), QStringLiteral("1.1"));
  xml.writeAttribute(QStringLiteral("width"), Num(w) + unit);
  xml.writeAttribute(QStringLiteral("height"), Num(h) + unit);
  xml.writeAttribute(QStringLiteral("viewBox"), QStringList{Num(x), Num(y), Num(w), Num(h)}.join(' '));
  xml.writeTextElement(QStringLiteral("title"), m.titleLines.value(0));
  xml.writeTextElement(
      QStringLiteral("desc"),
      QStringLiteral("True-scale template; all numbers in %1 (viewBox units). The outline is "
                     "a polyline within %2 mm of the fitted curve.")
          .arg(unit, Num(kChordToleranceMm)));
}

}  // namespace

Result<QByteArray> WriteSvg(const ExportModel& m) {
  QByteArray bytes;
  QXmlStreamWriter xml(&bytes);
  xml.setAutoFormatting(true);
  xml.writeStartDocument();
  WriteRoot(xml, m);
  SvgLayers layers(xml, m);
  for (const DrawingLayer& layer : m.layers)
    if (m.Shows(layer)) layers.Layer(layer);
  xml.writeEndElement();
  xml.writeEndDocument();
  if (xml.hasError()) return ErrorFrom(QStringLiteral("the SVG drawing could not be written"));
  return bytes;
}
