#include "CtlOutput.h"

#include "editors/core/ReportRate.h"

#include <QJsonDocument>

QString jsonLine(const QJsonObject& object)
{
    return QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact)) + QLatin1Char('\n');
}

QJsonValue jsonNumber(std::optional<int> value)
{
    return value ? QJsonValue(*value) : QJsonValue(QJsonValue::Null);
}

QString rateWords(int iCode)
{
    const int iHz = rateHz(iCode);
    return iHz != 0 ? QStringLiteral("%1 Hz").arg(iHz) : QStringLiteral("code %1").arg(iCode);
}
