#include "editors/core/HexColor.h"

namespace {

constexpr int kDigits = 6;

int hexDigit(QChar c)
{
    const ushort u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    if (u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    return -1;
}

// Strict: signs, spaces and other characters make the component 0 (toInt would accept "-f").
int pairValue(const QString& pair)
{
    const int iHigh = hexDigit(pair.at(0));
    const int iLow = hexDigit(pair.at(1));
    if (iHigh < 0 || iLow < 0)
        return 0;
    return iHigh * 16 + iLow;
}

} // namespace

QString completeHex(const QString& text)
{
    const QString digits = text.trimmed().left(kDigits);
    if (digits.size() == 3) {
        QString doubled;
        for (const QChar c : digits)
            doubled += QString(2, c);
        return doubled;
    }
    return digits.rightJustified(kDigits, QLatin1Char('0'));
}

Rgb8 rgbFromHex(const QString& text)
{
    const QString digits = completeHex(text);
    return Rgb8{pairValue(digits.mid(0, 2)), pairValue(digits.mid(2, 2)), pairValue(digits.mid(4, 2))};
}

QString hexFromRgb(const Rgb8& color)
{
    auto pair = [](int iValue) {
        return QString::number(qBound(0, iValue, 255), 16).rightJustified(2, QLatin1Char('0'));
    };
    return pair(color.r) + pair(color.g) + pair(color.b);
}
