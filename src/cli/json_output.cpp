// The JSON writer: numbers through the one shortest round-trip formatter, strings escaped, objects
// and arrays one entry a line.
#include "cli/json_output.h"

#include <cmath>
#include <utility>

#include "geometry/number_text.h"

namespace cli {

JsonValue::JsonValue(JsonArray value) : m_kind(Kind::kArray), m_items(std::move(value)) {}
JsonValue::JsonValue(JsonObject value) : m_kind(Kind::kObject), m_members(std::move(value)) {}

namespace {

// "-0" would read back as the integer 0 in many readers; "-0.0" is a double everywhere.
QString NumberText(double value) {
  if (!std::isfinite(value)) return QStringLiteral("null");
  if (value == 0.0 && std::signbit(value)) return QStringLiteral("-0.0");
  return QString::fromStdString(ShortestRoundTrip(value));
}

QString StringText(const QString& s) {
  QString out = QStringLiteral("\"");
  for (QChar c : s) {
    switch (c.unicode()) {
      case '"':
        out += QLatin1String("\\\"");
        break;
      case '\\':
        out += QLatin1String("\\\\");
        break;
      case '\n':
        out += QLatin1String("\\n");
        break;
      case '\r':
        out += QLatin1String("\\r");
        break;
      case '\t':
        out += QLatin1String("\\t");
        break;
      default:
        if (c.unicode() < 0x20)
          out += QStringLiteral("\\u%1").arg(int(c.unicode()), 4, 16, QLatin1Char('0'));
        else
          out += c;
    }
  }
  return out + QLatin1Char('"');
}

void Write(const JsonValue& v, int depth, QString& out);
void WriteObject(const JsonObject& o, int depth, QString& out);

// Opens with `open`, one entry a line indented one level deeper, closes with `close`; empty: "[]", "{}".
template <typename Entries, typename WriteEntry>
void WriteBlock(const Entries& entries, char open, char close, int depth, QString& out,
                WriteEntry writeEntry) {
  out += QLatin1Char(open);
  if (entries.empty()) {
    out += QLatin1Char(close);
    return;
  }
  const QString inner(qsizetype{2} * (depth + 1), QLatin1Char(' '));
  out += QLatin1Char('\n');
  for (std::size_t i = 0; i < entries.size(); ++i) {
    out += inner;
    writeEntry(entries[i]);
    out += i + 1 < entries.size() ? QLatin1String(",\n") : QLatin1String("\n");
  }
  out += QString(qsizetype{2} * depth, QLatin1Char(' ')) + QLatin1Char(close);
}

void Write(const JsonValue& v, int depth, QString& out) {
  switch (v.kind()) {
    case JsonValue::Kind::kNull:
      out += QLatin1String("null");
      break;
    case JsonValue::Kind::kBool:
      out += v.boolValue() ? QLatin1String("true") : QLatin1String("false");
      break;
    case JsonValue::Kind::kInteger:
      out += QString::number(v.integerValue());
      break;
    case JsonValue::Kind::kNumber:
      out += NumberText(v.numberValue());
      break;
    case JsonValue::Kind::kString:
      out += StringText(v.stringValue());
      break;
    case JsonValue::Kind::kArray:
      WriteBlock(v.items(), '[', ']', depth, out,
                 [&](const JsonValue& item) { Write(item, depth + 1, out); });
      break;
    case JsonValue::Kind::kObject:
      WriteObject(v.members(), depth, out);
      break;
  }
}

void WriteObject(const JsonObject& o, int depth, QString& out) {
  WriteBlock(o, '{', '}', depth, out, [&](const JsonMember& m) {
    out += StringText(m.key) + QLatin1String(": ");
    Write(m.value, depth + 1, out);
  });
}

}  // namespace

QString JsonText(const JsonObject& object) {
  QString out;
  WriteObject(object, 0, out);
  return out + QLatin1Char('\n');
}

}  // namespace cli
