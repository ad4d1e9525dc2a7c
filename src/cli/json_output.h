// JSON for vesk-cli: objects keep their members in the order they were built (the order the README
// gives), strings stay strings, and doubles are written shortest round trip so they read back bit for
// bit (negative zero as -0.0, not-a-number and the infinities as null).
#pragma once

#include <QString>
#include <QtGlobal>
#include <vector>

namespace cli {

class JsonValue;
struct JsonMember;
using JsonArray = std::vector<JsonValue>;
using JsonObject = std::vector<JsonMember>;

class JsonValue {
 public:
  enum class Kind { kNull, kBool, kInteger, kNumber, kString, kArray, kObject };

  JsonValue() = default;  // null
  JsonValue(bool value) : m_kind(Kind::kBool), m_bool(value) {}
  JsonValue(int value) : m_kind(Kind::kInteger), m_integer(value) {}
  JsonValue(qint64 value) : m_kind(Kind::kInteger), m_integer(value) {}
  JsonValue(double value) : m_kind(Kind::kNumber), m_number(value) {}
  JsonValue(QString value) : m_kind(Kind::kString), m_string(std::move(value)) {}
  // Text, never the bool a pointer would otherwise turn into.
  JsonValue(const char* value) : JsonValue(QString::fromUtf8(value)) {}
  JsonValue(JsonArray value);
  JsonValue(JsonObject value);

  Kind kind() const { return m_kind; }
  bool boolValue() const { return m_bool; }
  qint64 integerValue() const { return m_integer; }
  double numberValue() const { return m_number; }
  const QString& stringValue() const { return m_string; }
  const JsonArray& items() const { return m_items; }
  const JsonObject& members() const { return m_members; }

 private:
  Kind m_kind = Kind::kNull;
  bool m_bool = false;
  qint64 m_integer = 0;
  double m_number = 0.0;
  QString m_string;
  JsonArray m_items;
  JsonObject m_members;
};

struct JsonMember {
  QString key;
  JsonValue value;
};

// The object indented by two spaces a level, one member a line, ending in a newline.
QString JsonText(const JsonObject& object);

}  // namespace cli
