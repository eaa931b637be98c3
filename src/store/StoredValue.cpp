#include "store/StoredValue.h"

#include "store/ColorValue.h"
#include "store/SettingsValue.h"

namespace {

bool isValueForm(const QString& text)
{
    return text.startsWith(QLatin1Char('@')) && !text.startsWith(QLatin1String("@@"));
}

qint64 numberOfText(const QString& text)
{
    bool ok = false;
    const qint64 number = text.toLongLong(&ok);
    if (ok)
        return number;
    const quint64 unsignedNumber = text.toULongLong(&ok);
    return ok ? static_cast<qint64>(unsignedNumber) : 0;
}

} // namespace

qint64 numberOfValue(const ini::ValueText& value)
{
    if (value.bList)
        return 0;
    if (!value.text.startsWith(QLatin1Char('@')))
        return numberOfText(value.text);
    return storedNumber(ini::variantOfText(value.text));
}

QString textOfValue(const ini::ValueText& value)
{
    if (value.bList) {
        QStringList texts;
        for (const QString& item : value.list) {
            // A list with a value form in it is a list of variants, which has no text.
            if (isValueForm(item))
                return QString();
            texts.append(item.startsWith(QLatin1Char('@')) ? item.mid(1) : item);
        }
        return texts.join(QStringLiteral(", "));
    }
    if (!value.text.startsWith(QLatin1Char('@')))
        return value.text;
    // A colour's text is its #rrggbb name.
    RgbColor color;
    if (value.text.endsWith(QLatin1Char(')')) && colourOfVariantText(value.text, color))
        return color.valid ? QString::asprintf("#%02x%02x%02x", color.red, color.green, color.blue)
                           : QStringLiteral("#000000");
    return ini::variantOfText(value.text).toString();
}

RgbColor colourOfValue(const ini::ValueText& value)
{
    if (value.bList)
        return {};
    const QString& text = value.text;
    if (!text.startsWith(QLatin1Char('@')))
        return colourOfName(text);
    RgbColor color;
    if (text.endsWith(QLatin1Char(')')) && colourOfVariantText(text, color))
        return color;
    // Texts, also inside a value form, convert by name; nothing else converts to a colour.
    const QVariant variant = ini::variantOfText(text);
    if (variant.type() == QVariant::String)
        return colourOfName(variant.toString());
    if (variant.type() == QVariant::ByteArray)
        return colourOfName(QString::fromLatin1(variant.toByteArray()));
    return {};
}

bool plainNumber(const char* begin, const char* end, qint64& number)
{
    const char* p = begin;
    const bool bNegative = p < end && *p == '-';
    if (bNegative)
        ++p;
    // Up to 18 digits cannot overflow; longer numbers take the full reading.
    if (p == end || end - p > 18)
        return false;
    qint64 magnitude = 0;
    for (; p < end; ++p) {
        if (*p < '0' || *p > '9')
            return false;
        magnitude = magnitude * 10 + (*p - '0');
    }
    number = bNegative ? -magnitude : magnitude;
    return true;
}
