#pragma once

#include <QJsonObject>
#include <QJsonValue>
#include <QString>

#include <optional>

// One compact JSON object and a line end.
QString jsonLine(const QJsonObject& object);
// A number, or null when there is none.
QJsonValue jsonNumber(std::optional<int> value);
// "1000 Hz", or "code N" for a byte that is no rate.
QString rateWords(int iCode);
