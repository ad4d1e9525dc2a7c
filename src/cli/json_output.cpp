// JSON output helpers.
#include "cli/json_output.h"

#include <QJsonDocument>
#include <cmath>

namespace cli {

QJsonValue JsonNumber(double value) {
  if (!std::isfinite(value)) return QJsonValue(QJsonValue::Null);
  return QJsonValue(value);
}

QString JsonText(const QJsonObject& object) {
  return QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Indented));
}

}  // namespace cli
