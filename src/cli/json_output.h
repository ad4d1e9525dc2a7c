// JSON text for vesk-cli: doubles in shortest round-trip form, non-finite numbers as null.
#pragma once

#include <QJsonObject>
#include <QJsonValue>
#include <QString>

namespace cli {

QJsonValue JsonNumber(double value);
QString JsonText(const QJsonObject& object);

}  // namespace cli
