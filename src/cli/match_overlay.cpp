// One drawing in design units (y up), written by two writers: QXmlStreamWriter for SVG (unit on the
// root only, plain numbers inside) and QPainter on a QImage for PNG. Misses far below a millimetre
// would vanish at true scale, so each is drawn from its outline point magnified by one factor that
// makes the largest 5 mm long; the caption gives the factor.
#include "cli/match_overlay.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QXmlStreamWriter>
#include <cmath>
#include <vector>

#include "export/title_block.h"
#include "match/match_fit.h"

namespace {

constexpr double kPi = 3.141592653589793;
constexpr double kMarginMm = 8.0;
constexpr double kLargestMissMm = 5.0;
constexpr double kMaxMagnification = 1000.0;  // misses below 5 um stay invisible rather than noise

struct Vec {
  double x, y;
};

struct OverlayDrawing {
  double minX = 0, minY = 0, maxX = 0, maxY = 0;  // design units, y up
  double mmPerUnit = 10.0;
  std::vector<Vec> outline;  // closed
  std::vector<Vec> points;
  std::vector<std::pair<Vec, Vec>> misses;
  QStringList caption;
  double Mm(double mm) const { return mm / mmPerUnit; }
};

OverlayDrawing MakeDrawing(const MatchResult& r, ExportUnit unit) {
  OverlayDrawing d;
  d.mmPerUnit = MillimetresPerUnit(unit);
  constexpr int kSteps = 720;
  for (int k = 0; k <= 2 * kSteps; ++k) {
    CurvePoint c;
    const int half = k <= kSteps ? k : 2 * kSteps - k;
    EvaluateCurve(r.model, half * (kPi / kSteps), &c);
    d.outline.push_back({c.x, k <= kSteps ? c.y : -c.y});
  }
  const double largestMm = r.maxDistance * d.mmPerUnit;
  const double factor = largestMm > 0.0 && largestMm < kLargestMissMm
                            ? std::fmin(kLargestMissMm / largestMm, kMaxMagnification)
                            : 1.0;
  for (const PointMatch& p : r.points) {
    d.points.push_back({p.x, p.y});
    d.misses.push_back(
        {{p.footX, p.footY}, {p.footX + factor * (p.x - p.footX), p.footY + factor * (p.y - p.footY)}});
  }
  d.minX = d.maxX = d.outline[0].x;
  d.minY = d.maxY = d.outline[0].y;
  const auto grow = [&](const Vec& v) {
    d.minX = std::fmin(d.minX, v.x);
    d.maxX = std::fmax(d.maxX, v.x);
    d.minY = std::fmin(d.minY, v.y);
    d.maxY = std::fmax(d.maxY, v.y);
  };
  for (const Vec& v : d.outline) grow(v);
  for (const Vec& v : d.points) grow(v);
  for (const auto& m : d.misses) grow(m.second);
  const double margin = d.Mm(kMarginMm);
  d.minX -= margin;
  d.maxX += margin;
  d.minY -= margin + d.Mm(12.0);  // room for the caption
  d.maxY += margin;
  const QString u = UnitName(unit);
  d.caption << QStringLiteral("%1 points, rms %2 %3, largest miss %4 %3 (point %5)")
                   .arg(r.points.size())
                   .arg(r.rms, 0, 'g', 3)
                   .arg(u)
                   .arg(r.maxDistance, 0, 'g', 3)
                   .arg(r.maxIndex + 1);
  d.caption << (factor > 1.0
                    ? QStringLiteral("misses (red) drawn %1 times their length; true scale otherwise")
                          .arg(factor, 0, 'g', 3)
                    : QStringLiteral("misses (red) at true length; true scale"));
  return d;
}

// Baseline start of caption line i, the lines stacked upwards from the bottom margin.
Vec CaptionAnchor(const OverlayDrawing& d, int i) {
  return {d.minX + d.Mm(kMarginMm), d.minY + d.Mm(kMarginMm) + d.Mm(6.0) * double(d.caption.size() - 1 - i)};
}

QString Num(double v) {
  return ShortestNumber(v);
}
QString NumY(double y) {
  return ShortestNumber(0.0 - y);
}

}  // namespace

namespace {

class SvgOverlay {
 public:
  SvgOverlay(QByteArray* bytes, const OverlayDrawing& d) : m_xml(bytes), m_d(d) {
    m_xml.setAutoFormatting(true);
  }

  void Root(const QString& unitName) {
    const double w = m_d.maxX - m_d.minX, h = m_d.maxY - m_d.minY;
    m_xml.writeStartDocument();
    m_xml.writeDefaultNamespace(QStringLiteral("http://www.w3.org/2000/svg"));
    m_xml.writeStartElement(QStringLiteral("svg"));
    m_xml.writeAttribute(QStringLiteral("version"), QStringLiteral("1.1"));
    m_xml.writeAttribute(QStringLiteral("width"), Num(w) + unitName);
    m_xml.writeAttribute(QStringLiteral("height"), Num(h) + unitName);
    m_xml.writeAttribute(QStringLiteral("viewBox"),
                         QStringList{Num(m_d.minX), NumY(m_d.maxY), Num(w), Num(h)}.join(' '));
    m_xml.writeTextElement(QStringLiteral("title"), QStringLiteral("vesk match overlay"));
    m_xml.writeTextElement(QStringLiteral("desc"),
                           QStringLiteral("True scale; all numbers in %1.").arg(unitName));
  }

  void Outline() {
    Group("outline", QStringLiteral("#000000"), 0.25);
    QString path;
    for (std::size_t i = 0; i < m_d.outline.size(); ++i)
      path += (i == 0 ? QStringLiteral("M") : QStringLiteral(" L")) + Num(m_d.outline[i].x) + ',' +
              NumY(m_d.outline[i].y);
    m_xml.writeEmptyElement(QStringLiteral("path"));
    m_xml.writeAttribute(QStringLiteral("d"), path + QStringLiteral(" Z"));
    m_xml.writeEndElement();
  }

  void Misses() {
    Group("misses", QStringLiteral("#d00000"), 0.2);
    for (const auto& m : m_d.misses) {
      m_xml.writeEmptyElement(QStringLiteral("line"));
      m_xml.writeAttribute(QStringLiteral("x1"), Num(m.first.x));
      m_xml.writeAttribute(QStringLiteral("y1"), NumY(m.first.y));
      m_xml.writeAttribute(QStringLiteral("x2"), Num(m.second.x));
      m_xml.writeAttribute(QStringLiteral("y2"), NumY(m.second.y));
    }
    m_xml.writeEndElement();
  }

  void Points() {
    Group("points", QStringLiteral("#0040c0"), 0.2);
    for (const Vec& p : m_d.points) {
      m_xml.writeEmptyElement(QStringLiteral("circle"));
      m_xml.writeAttribute(QStringLiteral("cx"), Num(p.x));
      m_xml.writeAttribute(QStringLiteral("cy"), NumY(p.y));
      m_xml.writeAttribute(QStringLiteral("r"), Num(m_d.Mm(0.8)));
    }
    m_xml.writeEndElement();
  }

  void Caption() {
    m_xml.writeStartElement(QStringLiteral("g"));
    m_xml.writeAttribute(QStringLiteral("id"), QStringLiteral("caption"));
    m_xml.writeAttribute(QStringLiteral("font-family"), QStringLiteral("DejaVu Sans, sans-serif"));
    m_xml.writeAttribute(QStringLiteral("font-size"), Num(m_d.Mm(4.0)));
    for (int i = 0; i < m_d.caption.size(); ++i) {
      const Vec at = CaptionAnchor(m_d, i);
      m_xml.writeStartElement(QStringLiteral("text"));
      m_xml.writeAttribute(QStringLiteral("x"), Num(at.x));
      m_xml.writeAttribute(QStringLiteral("y"), NumY(at.y));
      m_xml.writeCharacters(m_d.caption[i]);
      m_xml.writeEndElement();
    }
    m_xml.writeEndElement();
  }

  void End() {
    m_xml.writeEndElement();
    m_xml.writeEndDocument();
  }

 private:
  void Group(const char* id, const QString& stroke, double widthMm) {
    m_xml.writeStartElement(QStringLiteral("g"));
    m_xml.writeAttribute(QStringLiteral("id"), QLatin1String(id));
    m_xml.writeAttribute(QStringLiteral("fill"), QStringLiteral("none"));
    m_xml.writeAttribute(QStringLiteral("stroke"), stroke);
    m_xml.writeAttribute(QStringLiteral("stroke-width"), Num(m_d.Mm(widthMm)));
  }

  QXmlStreamWriter m_xml;
  const OverlayDrawing& m_d;
};

}  // namespace

QByteArray MatchOverlaySvg(const MatchResult& r, ExportUnit unit) {
  const OverlayDrawing d = MakeDrawing(r, unit);
  QByteArray bytes;
  SvgOverlay svg(&bytes, d);
  svg.Root(UnitName(unit));
  svg.Outline();
  svg.Misses();
  svg.Points();
  svg.Caption();
  svg.End();
  return bytes;
}

QByteArray MatchOverlayPng(const MatchResult& r, ExportUnit unit) {
  const OverlayDrawing d = MakeDrawing(r, unit);
  const double pxPerUnit = kOverlayPixelsPerMm * d.mmPerUnit;
  const double w = std::ceil((d.maxX - d.minX) * pxPerUnit), h = std::ceil((d.maxY - d.minY) * pxPerUnit);
  if (!(w <= kMaxOverlayPixels && h <= kMaxOverlayPixels)) return {};
  const int width = int(w), height = int(h);
  QImage image(width, height, QImage::Format_RGB32);
  image.setDotsPerMeterX(int(std::lround(kOverlayPixelsPerMm * 1000.0)));
  image.setDotsPerMeterY(int(std::lround(kOverlayPixelsPerMm * 1000.0)));
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  const auto map = [&](const Vec& v) {
    return QPointF((v.x - d.minX) * pxPerUnit, (d.maxY - v.y) * pxPerUnit);
  };

  QPainterPath outline;
  outline.moveTo(map(d.outline[0]));
  for (std::size_t i = 1; i < d.outline.size(); ++i) outline.lineTo(map(d.outline[i]));
  outline.closeSubpath();
  painter.setPen(QPen(Qt::black, 0.25 * kOverlayPixelsPerMm));
  painter.drawPath(outline);

  painter.setPen(QPen(QColor(0xd0, 0, 0), 0.2 * kOverlayPixelsPerMm));
  for (const auto& m : d.misses) painter.drawLine(map(m.first), map(m.second));

  painter.setPen(QPen(QColor(0, 0x40, 0xc0), 0.2 * kOverlayPixelsPerMm));
  const double radius = 0.8 * kOverlayPixelsPerMm;
  for (const Vec& p : d.points) painter.drawEllipse(map(p), radius, radius);

  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPixelSize(int(std::lround(4.0 * kOverlayPixelsPerMm)));
  painter.setFont(font);
  painter.setPen(Qt::black);
  for (int i = 0; i < d.caption.size(); ++i) {
    painter.drawText(map(CaptionAnchor(d, i)), d.caption[i]);
  }
  painter.end();

  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "PNG");
  return bytes;
}
