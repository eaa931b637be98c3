#include "store/ColorValue.h"

#include <QColor>

QVariant colorToVariant(const RgbColor& color)
{
    return color.valid ? QColor(color.red, color.green, color.blue) : QColor();
}

RgbColor colorFromVariant(const QVariant& value)
{
    QColor color;
    if (value.userType() == QMetaType::QColor)
        color = value.value<QColor>();
    else if (value.canConvert<QColor>())
        color = value.value<QColor>();
    if (!color.isValid())
        return RgbColor{};
    const QColor rgb = color.toRgb();
    return RgbColor::fromRgb(static_cast<quint8>(rgb.red()), static_cast<quint8>(rgb.green()),
                             static_cast<quint8>(rgb.blue()));
}
