#include "editors/core/SensorLimits.h"

#include <QStringList>

bool limits3327To12400(const QString& productName)
{
    static const QStringList kProducts = {
        QStringLiteral("K356-RGB"), QStringLiteral("TERRIK"),    QStringLiteral("7146"),
        QStringLiteral("MORVAIN3"), QStringLiteral("TOBRAN"),    QStringLiteral("K480-RGB"),
        QStringLiteral("OLVENA2"),  QStringLiteral("QUESSARO2"), QStringLiteral("TARNAVE")};
    return kProducts.contains(productName, Qt::CaseSensitive);
}

std::optional<SensorLimits> sensorLimits(int iSensor, const QString& productName)
{
    switch (iSensor) {
    case 3325:
        return SensorLimits{100, 10000, 1, 75, false};
    case 3327:
        if (limits3327To12400(productName))
            return SensorLimits{200, 12400, 1, 92, false};
        return SensorLimits{200, 16400, 1, 106, false};
    case 3360:
        return SensorLimits{100, 24000, 1, 180, true};
    case 3389:
        return SensorLimits{100, 32000, 2, 480, true};
    case 3212:
        return SensorLimits{600, 7200, 16, 111, false};
    case 3104:
        return SensorLimits{500, 8000, 14, 159, true};
    case 3335:
        return SensorLimits{100, 32000, 1, 240, false};
    case 3333:
        return SensorLimits{200, 16000, 2, 120, false};
    default:
        return std::nullopt;
    }
}
