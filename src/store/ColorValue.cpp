#include "store/ColorValue.h"

#include "store/ColorNames.h"

#include <QByteArray>

#include <array>
#include <cmath>
#include <string>

namespace {

// A variant in data-stream version 4.0: its type (u32, 67 for a colour), then the colour: its model (i8),
// alpha and three components and a pad word (u16 each, big-endian). An 8-bit component c is stored as
// c * 0x101; the invalid colour is model 0 with alpha 0xffff and zeros.
constexpr quint32 kColourType = 67;
enum ColourModel : qint8
{
    Invalid = 0,
    Rgb = 1,
    Hsv = 2,
    Cmyk = 3,
    Hsl = 4,
    ExtendedRgb = 5
};
constexpr int kMax16 = 0xFFFF;
const QLatin1String kVariantPrefix("@Variant(");

quint8 to8Bits(int component16)
{
    // Rounded division by 257, as a Qt colour gives its 8-bit components.
    return quint8((component16 + 128) / 257);
}

// Reads big-endian values from the stream bytes; a value the bytes do not hold whole reads as 0 and uses up
// what is left, as a data stream does.
class StreamReader
{
public:
    explicit StreamReader(const QByteArray& bytes) : m_bytes(bytes) {}
    quint32 read(int size)
    {
        if (m_pos + size > m_bytes.size()) {
            m_pos = m_bytes.size();
            return 0;
        }
        quint32 value = 0;
        for (int i = 0; i < size; ++i)
            value = (value << 8) | uchar(m_bytes.at(m_pos++));
        return value;
    }

private:
    const QByteArray& m_bytes;
    int m_pos = 0;
};

struct Rgb16
{
    int red = 0;
    int green = 0;
    int blue = 0;
};

Rgb16 fromHsv(int hue, int saturation, int value)
{
    if (saturation == 0 || hue == kMax16)
        return {value, value, value};
    const double h = hue == 36000 ? 0.0 : hue / 6000.0;
    const double s = saturation / double(kMax16);
    const double v = value / double(kMax16);
    const int sector = int(h);
    const double f = h - sector;
    const int p = qRound(v * (1.0 - s) * kMax16);
    const int q = qRound(v * (1.0 - s * f) * kMax16);
    const int t = qRound(v * (1.0 - s * (1.0 - f)) * kMax16);
    const int top = qRound(v * kMax16);
    switch (sector) {
    case 0:
        return {top, t, p};
    case 1:
        return {q, top, p};
    case 2:
        return {p, top, t};
    case 3:
        return {p, q, top};
    case 4:
        return {t, p, top};
    case 5:
        return {top, p, q};
    default:
        return {};
    }
}

Rgb16 fromHsl(int hue, int saturation, int lightness)
{
    if (saturation == 0 || hue == kMax16)
        return {lightness, lightness, lightness};
    if (lightness == 0)
        return {};
    const double h = hue == 36000 ? 0.0 : hue / 36000.0;
    const double s = saturation / double(kMax16);
    const double l = lightness / double(kMax16);
    const double high = l < 0.5 ? l * (1.0 + s) : l + s - l * s;
    const double low = 2.0 * l - high;
    std::array<int, 3> rgb{};
    const std::array<double, 3> shifts{1.0 / 3.0, 0.0, -1.0 / 3.0};
    for (int i = 0; i < 3; ++i) {
        double x = h + shifts[i];
        if (x < 0.0)
            x += 1.0;
        else if (x > 1.0)
            x -= 1.0;
        double level = low;
        if (x * 6.0 < 1.0)
            level = low + (high - low) * x * 6.0;
        else if (x * 2.0 < 1.0)
            level = high;
        else if (x * 3.0 < 2.0)
            level = low + (high - low) * (2.0 / 3.0 - x) * 6.0;
        rgb[size_t(i)] = qRound(level * kMax16);
        // A rounding remainder of 1 stands for 0.
        if (rgb[size_t(i)] == 1)
            rgb[size_t(i)] = 0;
    }
    return {rgb[0], rgb[1], rgb[2]};
}

Rgb16 fromCmyk(int cyan, int magenta, int yellow, int black)
{
    const double k = black / double(kMax16);
    const auto component = [k](int ink) { return qRound((1.0 - (ink / double(kMax16) * (1.0 - k) + k)) * kMax16); };
    return {component(cyan), component(magenta), component(yellow)};
}

// IEEE half-precision bits to a number.
double halfFloat(quint32 bits)
{
    const int exponent = int((bits >> 10) & 0x1F);
    const double mantissa = bits & 0x3FF;
    double value = exponent == 0    ? std::ldexp(mantissa, -24)
                   : exponent == 31 ? (mantissa == 0 ? INFINITY : NAN)
                                    : std::ldexp(mantissa + 1024.0, exponent - 25);
    return (bits & 0x8000) ? -value : value;
}

int fromHalf(quint32 bits)
{
    const double value = halfFloat(bits) * kMax16;
    if (std::isnan(value))
        return 0;
    return qBound(0, qRound(qBound(-1e9, value, 1e9)), kMax16);
}

// Hex digits of a colour text; -1 when one is not a hex digit.
int hexNumber(const std::string& digits, size_t from, size_t count)
{
    int number = 0;
    for (size_t i = from; i < from + count; ++i) {
        const char c = digits[i];
        const int digit = (c >= '0' && c <= '9')   ? c - '0'
                          : (c >= 'a' && c <= 'f') ? c - 'a' + 10
                          : (c >= 'A' && c <= 'F') ? c - 'A' + 10
                                                   : -1;
        if (digit < 0)
            return -1;
        number = number * 16 + digit;
    }
    return number;
}

RgbColor colourOfHex(const QString& name)
{
    if (name.size() > 13)
        return {};
    std::string digits;
    for (int i = 1; i < name.size(); ++i)
        digits += name.at(i).toLatin1();
    Rgb16 rgb;
    switch (digits.size()) {
    case 12:
        rgb = {hexNumber(digits, 0, 4), hexNumber(digits, 4, 4), hexNumber(digits, 8, 4)};
        break;
    case 9: {
        const auto widen = [](int c) { return c < 0 ? -1 : (c << 4) | (c >> 8); };
        rgb = {widen(hexNumber(digits, 0, 3)), widen(hexNumber(digits, 3, 3)), widen(hexNumber(digits, 6, 3))};
        break;
    }
    case 8: // #aarrggbb: the alpha is not kept
        if (hexNumber(digits, 0, 2) < 0)
            return {};
        rgb = {hexNumber(digits, 2, 2) * 0x101, hexNumber(digits, 4, 2) * 0x101, hexNumber(digits, 6, 2) * 0x101};
        break;
    case 6:
        rgb = {hexNumber(digits, 0, 2) * 0x101, hexNumber(digits, 2, 2) * 0x101, hexNumber(digits, 4, 2) * 0x101};
        break;
    case 3:
        rgb = {hexNumber(digits, 0, 1) * 0x1111, hexNumber(digits, 1, 1) * 0x1111, hexNumber(digits, 2, 1) * 0x1111};
        break;
    default:
        return {};
    }
    if (rgb.red < 0 || rgb.green < 0 || rgb.blue < 0)
        return {};
    return RgbColor::fromRgb(to8Bits(rgb.red), to8Bits(rgb.green), to8Bits(rgb.blue));
}

struct StoredColour
{
    qint8 model = Invalid;
    std::array<int, 5> values{}; // alpha, three components, pad
};

bool readColourVariant(const QString& text, StoredColour& colour)
{
    if (!text.startsWith(kVariantPrefix))
        return false;
    const QByteArray bytes = text.mid(kVariantPrefix.size()).toLatin1();
    StreamReader stream(bytes);
    if (stream.read(4) != kColourType)
        return false;
    colour.model = qint8(stream.read(1));
    for (int& value : colour.values)
        value = int(stream.read(2));
    return true;
}

} // namespace

QString colourVariantText(const RgbColor& color)
{
    const quint8 model = color.valid ? Rgb : Invalid;
    const quint8 r = color.valid ? color.red : 0;
    const quint8 g = color.valid ? color.green : 0;
    const quint8 b = color.valid ? color.blue : 0;
    const quint8 bytes[] = {0, 0, 0, quint8(kColourType), model, 0xFF, 0xFF, r, r, g, g, b, b, 0, 0};
    QString text = kVariantPrefix;
    for (const quint8 byte : bytes)
        text += QLatin1Char(char(byte));
    return text + QLatin1Char(')');
}

bool colourOfVariantText(const QString& text, RgbColor& color)
{
    StoredColour stored;
    if (!readColourVariant(text, stored))
        return false;
    const std::array<int, 5>& c = stored.values;
    Rgb16 rgb;
    switch (stored.model) {
    case Invalid:
        color = RgbColor{};
        return true;
    case Rgb:
        rgb = {c[1], c[2], c[3]};
        break;
    case Hsv:
        rgb = fromHsv(c[1], c[2], c[3]);
        break;
    case Cmyk:
        rgb = fromCmyk(c[1], c[2], c[3], c[4]);
        break;
    case Hsl:
        rgb = fromHsl(c[1], c[2], c[3]);
        break;
    case ExtendedRgb:
        rgb = {fromHalf(quint32(c[1])), fromHalf(quint32(c[2])), fromHalf(quint32(c[3]))};
        break;
    default: // a model the colour does not know reads as black
        break;
    }
    color = RgbColor::fromRgb(to8Bits(rgb.red), to8Bits(rgb.green), to8Bits(rgb.blue));
    return true;
}

bool rewrittenColourVariant(const QString& text, QString& rewritten)
{
    StoredColour stored;
    if (!readColourVariant(text, stored))
        return false;
    if (stored.model == Invalid)
        stored.values = {kMax16, 0, 0, 0, 0};
    QByteArray bytes(3, '\0');
    bytes += char(kColourType);
    bytes += char(stored.model);
    for (const int value : stored.values) {
        bytes += char(value >> 8);
        bytes += char(value & 0xFF);
    }
    rewritten = kVariantPrefix + QString::fromLatin1(bytes.constData(), bytes.size()) + QLatin1Char(')');
    return true;
}

RgbColor colourOfName(const QString& name)
{
    if (name.isEmpty())
        return {};
    if (name.startsWith(QLatin1Char('#')))
        return colourOfHex(name);
    if (name.size() > 255)
        return {};
    // Blanks do not count and case does not matter; a character beyond Latin-1 ends the name.
    std::string key;
    for (const QChar c : name) {
        if (c == QLatin1Char(' ') || c == QLatin1Char('\t'))
            continue;
        const char latin1 = c.toLower().toLatin1();
        if (latin1 == 0)
            break;
        key += latin1;
    }
    quint32 rgb = 0;
    if (!namedColour(key.c_str(), rgb))
        return {};
    return RgbColor::fromRgb(quint8(rgb >> 16), quint8(rgb >> 8), quint8(rgb));
}
