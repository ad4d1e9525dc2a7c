// JSON text for vesk-cli, written here rather than by QJsonDocument: every double in its shortest
// round-trip form (std::to_chars), and negative zero kept as -0.0. QJsonValue stores integral
// doubles as integers and so loses the sign of -0.0; JsonNumber marks it with a private-use string
// that only this writer reads.
#include "cli/json_output.h"

#include <QJsonArray>
#include <charconv>
#include <cmath>

namespace cli {

namespace {

const QString kNegativeZero = QStringLiteral("\uE000-0.0");

QString NumberText(double value) {
  if (!std::isfinite(value)) return QStringLiteral("null");
  char buffer[32];
  const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
  return QString::fromLatin1(buffer, int(end - buffer));
}

QString StringText(const QString& s) {
  QString out = QStringLiteral("\"");
  for (QChar c : s) {
    switch (c.unicode()) {
      case '"': out += QLatin1String("\\\""); break;
      case '\\': out += QLatin1String("\\\\"); break;
      case '\n': out += QLatin1String("\\n"); break;
      case '\r': out += QLatin1String("\\r"); break;
      case '\t': out += QLatin1String("\\t"); break;
      default:
        if (c.unicode() < 0x20)
          out += QStringLiteral("\\u%1").arg(int(c.unicode()), 4, 16, QLatin1Char('0'));
        else
          out += c;
    }
  }
  return out + QLatin1Char('"');
}

void Write(const QJsonValue& v, int depth, QString& out);

void WriteArray(const QJsonArray& a, int depth, QString& out) {
  if (a.isEmpty()) {
    out += QLatin1String("[]");
    return;
  }
  const QString inner(2 * (depth + 1), QLatin1Char(' '));
  out += QLatin1String("[\n");
  for (qsizetype i = 0; i < a.size(); ++i) {
    out += inner;
    Write(a.at(i), depth + 1, out);
    out += i + 1 < a.size() ? QLatin1String(",\n") : QLatin1String("\n");
  }
  out += QString(2 * depth, QLatin1Char(' ')) + QLatin1Char(']');
}

void WriteObject(const QJsonObject& o, int depth, QString& out) {
  if (o.isEmpty()) {
    out += QLatin1String("{}");
    return;
  }
  const QString inner(2 * (depth + 1), QLatin1Char(' '));
  out += QLatin1String("{\n");
  qsizetype left = o.size();
  for (auto it = o.begin(); it != o.end(); ++it) {
    out += inner + StringText(it.key()) + QLatin1String(": ");
    Write(it.value(), depth + 1, out);
    out += --left > 0 ? QLatin1String(",\n") : QLatin1String("\n");
  }
  out += QString(2 * depth, QLatin1Char(' ')) + QLatin1Char('}');
}

void Write(const QJsonValue& v, int depth, QString& out) {
  switch (v.type()) {
    case QJsonValue::Null:
    case QJsonValue::Undefined: out += QLatin1String("null"); break;
    case QJsonValue::Bool: out += v.toBool() ? QLatin1String("true") : QLatin1String("false"); break;
    case QJsonValue::Double: out += NumberText(v.toDouble()); break;
    case QJsonValue::String:
      out += v.toString() == kNegativeZero ? QStringLiteral("-0.0") : StringText(v.toString());
      break;
    case QJsonValue::Array: WriteArray(v.toArray(), depth, out); break;
    case QJsonValue::Object: WriteObject(v.toObject(), depth, out); break;
  }
}

}  // namespace

QJsonValue JsonNumber(double value) {
  if (!std::isfinite(value)) return QJsonValue(QJsonValue::Null);
  if (value == 0.0 && std::signbit(value)) return QJsonValue(kNegativeZero);
  return QJsonValue(value);
}

QString JsonText(const QJsonObject& object) {
  QString out;
  WriteObject(object, 0, out);
  return out + QLatin1Char('\n');
}

}  // namespace cli
