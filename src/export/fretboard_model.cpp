// Fret-slot template layers from a fret table.
#include "export/fretboard_model.h"

#include <cmath>

namespace {

constexpr double kNumberHeightMm = 3.0;
constexpr double kNumberGapMm = 2.0;

Segment Across(const BoardLine& line) {
  return Segment{line.bass, line.treble};
}

// The fret's number under its treble end, beyond any extension.
TextLine FretNumber(const Segment& fret, int number, bool joint, ExportUnit unit) {
  const double h = UnitsFromMillimetres(kNumberHeightMm, unit);
  const double gap = UnitsFromMillimetres(kNumberGapMm, unit);
  const QString text = joint ? QStringLiteral("%1 J").arg(number) : QString::number(number);
  // Centred on the fret, judging a digit 0.6 of the height wide.
  const double x = fret.b.x - 0.3 * h * text.size();
  return TextLine{Point2{x, fret.b.y - gap - h}, text, h};
}

}  // namespace

Segment ExtendedFret(const BoardLine& line, double extend) {
  Segment s = Across(line);
  const double length = Distance(s.a, s.b);
  if (extend <= 0.0 || !(length > 0.0)) return s;
  const double ux = (s.a.x - s.b.x) / length, uy = (s.a.y - s.b.y) / length;
  s.a = Point2{s.a.x + ux * extend, s.a.y + uy * extend};
  s.b = Point2{s.b.x - ux * extend, s.b.y - uy * extend};
  return s;
}

Polyline SlotOutline(const Segment& fret, double width) {
  const double length = Distance(fret.a, fret.b);
  // The unit normal of the fret, towards the saddle on a square fret.
  const double nx = (fret.a.y - fret.b.y) / length, ny = (fret.b.x - fret.a.x) / length;
  const double h = 0.5 * width;
  Polyline p;
  p.closed = true;
  p.points = {{fret.a.x - nx * h, fret.a.y - ny * h},
              {fret.a.x + nx * h, fret.a.y + ny * h},
              {fret.b.x + nx * h, fret.b.y + ny * h},
              {fret.b.x - nx * h, fret.b.y - ny * h}};
  return p;
}

ExportModel BuildFretboardModel(const FretboardDrawing& d, ExportUnit unit, const QStringList& titleLines) {
  const FretTable& t = d.table;
  ExportModel m = NewExportModel(unit);

  Polyline board;
  board.closed = true;
  for (const Point2& p : BoardOutline(t)) board.points.push_back(p);
  m.AddLayer(QStringLiteral("BOARD"), Part::Outline).polylines.push_back(board);

  const double nutX = std::fmin(t.nut.bass.x, t.nut.treble.x);
  const double saddleX = std::fmax(t.saddle.bass.x, t.saddle.treble.x);
  m.AddLayer(QStringLiteral("CENTRELINE"), Part::Centreline)
      .segments.push_back(Segment{{nutX, 0.0}, {saddleX, 0.0}});

  m.AddLayer(QStringLiteral("NUT"), Part::Frets).segments.push_back(ExtendedFret(t.nut, d.extend));

  DrawingLayer& frets = m.AddLayer(QStringLiteral("FRETS"), Part::Frets);
  std::vector<TextLine> numbers;
  for (const FretRow& row : t.frets) {
    const Segment fret = ExtendedFret(row.line, d.extend);
    if (d.slotWidth > 0.0)
      frets.polylines.push_back(SlotOutline(fret, d.slotWidth));
    else
      frets.segments.push_back(fret);
    numbers.push_back(FretNumber(fret, row.fret, row.fret == d.jointFret, unit));
  }

  m.AddLayer(QStringLiteral("SADDLE"), Part::Frets).segments.push_back(Across(t.saddle));

  DrawingLayer& text = m.AddLayer(QStringLiteral("FRET_NUMBERS"), Part::Frets);
  text.style = DefaultStyle(Part::Title);
  text.texts = std::move(numbers);

  FinishExportModel(m, titleLines);
  return m;
}
