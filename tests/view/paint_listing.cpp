// The listing's lines, the repeats folded.
#include "paint_listing.h"

#include <QStringList>

namespace {

QString Colour(uint32_t c) {
  return QStringLiteral("#%1%2%3")
      .arg(c & 0xFF, 2, 16, QLatin1Char('0'))
      .arg((c >> 8) & 0xFF, 2, 16, QLatin1Char('0'))
      .arg((c >> 16) & 0xFF, 2, 16, QLatin1Char('0'));
}

bool Continues(const DrawCall& c, const DrawCall* before) {
  return c.kind == DrawCall::Line && before && before->kind == DrawCall::Line && before->x2 == c.x1 &&
         before->y2 == c.y1 && before->color == c.color && before->penWidth == c.penWidth;
}

QString Describe(const DrawCall& c, const DrawCall* before) {
  const QString at = QStringLiteral("%1 %2").arg(c.x1).arg(c.y1);
  const QString box = at + QStringLiteral(" %1 %2").arg(c.x2).arg(c.y2);
  switch (c.kind) {
    case DrawCall::Fill:
      return QStringLiteral("fill %1 %2").arg(box, Colour(c.color));
    case DrawCall::Line:
      if (Continues(c, before)) return QStringLiteral("to %1 %2").arg(c.x2).arg(c.y2);
      return QStringLiteral("line %1 %2 w%3").arg(box, Colour(c.color)).arg(c.penWidth);
    case DrawCall::Ellipse:
      return QStringLiteral("ellipse %1 %2 w%3 %4")
          .arg(box, Colour(c.color))
          .arg(c.penWidth)
          .arg(c.brush == NULL_BRUSH ? QStringLiteral("hollow") : QStringLiteral("white"));
    case DrawCall::Text:
      break;
  }
  QString text = c.text;
  text.replace(QLatin1Char('\\'), QLatin1String("\\\\")).replace(QLatin1Char('\n'), QLatin1String("\\n"));
  return QStringLiteral("text %1 on %2: %3").arg(at, Colour(c.color), text);
}

}  // namespace

void AppendListing(const DrawCalls& calls, QString* listing) {
  QString line;
  int repeats = 0;
  const auto flush = [&] {
    if (line.isEmpty()) return;
    *listing += repeats > 1 ? QStringLiteral("%1 x%2\n").arg(line).arg(repeats) : line + QLatin1Char('\n');
  };
  for (size_t i = 0; i < calls.size(); ++i) {
    const QString next = Describe(calls[i], i > 0 ? &calls[i - 1] : nullptr);
    if (next == line) {
      ++repeats;
      continue;
    }
    flush();
    line = next;
    repeats = 1;
  }
  flush();
}

QString FirstDifference(const QString& expected, const QString& actual) {
  if (expected == actual) return {};
  const QStringList e = expected.split(QLatin1Char('\n')), a = actual.split(QLatin1Char('\n'));
  int i = 0;
  while (i < e.size() && i < a.size() && e[i] == a[i]) ++i;
  return QStringLiteral("line %1: expected \"%2\", painted \"%3\"").arg(i + 1).arg(e.value(i), a.value(i));
}
