// Written with QXmlStreamWriter: QSvgGenerator names no layers and gives no physical size.
#include "export/svg_writer.h"

#include <QXmlStreamWriter>

#include "export/export_layers.h"
#include "export/export_model.h"
#include "export/title_block.h"

namespace {

constexpr double kMarginMm = 5.0;
const QString kInkscapeNs = QStringLiteral("http://www.inkscape.org/namespaces/inkscape");

QString Num(double v) { return ShortestNumber(v); }
// SVG's y runs down; 0.0 - y keeps a zero from printing as "-0".
QString NumY(double y) { return ShortestNumber(0.0 - y); }

QString Colour(Layer layer) {
  const LayerStyle& s = StyleOf(layer);
  return QStringLiteral("#%1%2%3")
      .arg(s.red, 2, 16, QChar('0'))
      .arg(s.green, 2, 16, QChar('0'))
      .arg(s.blue, 2, 16, QChar('0'));
}

class SvgLayers {
 public:
  SvgLayers(QXmlStreamWriter& xml, const ExportModel& m) : m_xml(xml), m_model(m) {}

  void Begin(Layer layer) {
    const QString name = QString::fromLatin1(StyleOf(layer).name);
    m_xml.writeStartElement(QStringLiteral("g"));
    m_xml.writeAttribute(QStringLiteral("id"), name);
    m_xml.writeAttribute(kInkscapeNs, QStringLiteral("groupmode"), QStringLiteral("layer"));
    m_xml.writeAttribute(kInkscapeNs, QStringLiteral("label"), name);
    if (layer == Layer::Title) {
      m_xml.writeAttribute(QStringLiteral("fill"), Colour(layer));
      m_xml.writeAttribute(QStringLiteral("font-family"), QStringLiteral("DejaVu Sans, sans-serif"));
      m_xml.writeAttribute(QStringLiteral("font-size"), Num(m_model.textHeight));
    } else {
      m_xml.writeAttribute(QStringLiteral("fill"), QStringLiteral("none"));
      m_xml.writeAttribute(QStringLiteral("stroke"), Colour(layer));
      m_xml.writeAttribute(QStringLiteral("stroke-width"), Num(m_model.strokeUnits));
    }
  }
  void End() { m_xml.writeEndElement(); }

  void Path(const Polyline& line) {
    if (line.points.empty()) return;
    QString d;
    for (std::size_t i = 0; i < line.points.size(); ++i)
      d += (i == 0 ? QStringLiteral("M") : QStringLiteral(" L")) + Num(line.points[i].x) + ',' +
           NumY(line.points[i].y);
    if (line.closed) d += QStringLiteral(" Z");
    m_xml.writeEmptyElement(QStringLiteral("path"));
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

  void Texts(const std::vector<TextLine>& lines) {
    for (const TextLine& t : lines) {
      m_xml.writeStartElement(QStringLiteral("text"));
      m_xml.writeAttribute(QStringLiteral("x"), Num(t.baselineLeft.x));
      m_xml.writeAttribute(QStringLiteral("y"), NumY(t.baselineLeft.y));
      m_xml.writeCharacters(t.text);
      m_xml.writeEndElement();
    }
  }

 private:
  QXmlStreamWriter& m_xml;
  const ExportModel& m_model;
};

void WriteRoot(QXmlStreamWriter& xml, const ExportModel& m) {
  const double margin = UnitsFromMillimetres(kMarginMm, m.unit);
  const double x = m.all.minX - margin, y = 0.0 - (m.all.maxY + margin);
  const double w = m.all.Width() + 2 * margin, h = m.all.Height() + 2 * margin;
  const QString unit = UnitName(m.unit);
  xml.writeDefaultNamespace(QStringLiteral("http://www.w3.org/2000/svg"));
  xml.writeNamespace(kInkscapeNs, QStringLiteral("inkscape"));
  xml.writeStartElement(QStringLiteral("svg"));
  xml.writeAttribute(QStringLiteral("version"), QStringLiteral("1.1"));
  xml.writeAttribute(QStringLiteral("width"), Num(w) + unit);
  xml.writeAttribute(QStringLiteral("height"), Num(h) + unit);
  xml.writeAttribute(QStringLiteral("viewBox"), QStringList{Num(x), Num(y), Num(w), Num(h)}.join(' '));
  xml.writeTextElement(QStringLiteral("title"), m.titleLines.value(0));
  xml.writeTextElement(QStringLiteral("desc"),
                       QStringLiteral("True-scale template; all numbers in %1 (viewBox units). The outline is "
                                      "a polyline within %2 mm of the fitted curve.")
                           .arg(unit, Num(kChordToleranceMm)));
}

}  // namespace

QByteArray WriteSvg(const ExportModel& m) {
  QByteArray bytes;
  QXmlStreamWriter xml(&bytes);
  xml.setAutoFormatting(true);
  xml.writeStartDocument();
  WriteRoot(xml, m);
  SvgLayers layers(xml, m);
  layers.Begin(Layer::Outline);
  layers.Path(m.outline);
  layers.End();
  layers.Begin(Layer::Centreline);
  layers.Lines(m.centreline);
  layers.End();
  layers.Begin(Layer::Soundhole);
  if (m.soundhole) layers.CircleShape(*m.soundhole);
  layers.Lines(m.soundholeCross);
  layers.End();
  layers.Begin(Layer::Frets);
  layers.Lines(m.frets);
  layers.End();
  layers.Begin(Layer::Check);
  layers.Path(m.checkSquare);
  layers.End();
  layers.Begin(Layer::Title);
  layers.Texts(m.title);
  layers.End();
  xml.writeEndElement();
  xml.writeEndDocument();
  return bytes;
}
