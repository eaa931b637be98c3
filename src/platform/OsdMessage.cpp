#include "platform/OsdMessage.h"

#include <QtEndian>

namespace platform {

namespace {

void putText(QByteArray& data, int offset, int units, const QString& text)
{
    int count = qMin(text.size(), units - 1);
    // A high surrogate whose low half would be cut off is dropped with it.
    if (count > 0 && count < text.size() && text.at(count - 1).isHighSurrogate())
        --count;
    auto* out = reinterpret_cast<uchar*>(data.data() + offset);
    for (int i = 0; i < count; ++i)
        qToLittleEndian<quint16>(text.at(i).unicode(), out + 2 * i);
}

QString takeText(const QByteArray& data, int offset, int units)
{
    const auto* in = reinterpret_cast<const uchar*>(data.constData() + offset);
    QString text;
    for (int i = 0; i < units; ++i) {
        const quint16 unit = qFromLittleEndian<quint16>(in + 2 * i);
        if (unit == 0)
            break;
        text.append(QChar(unit));
    }
    return text;
}

void putU32(QByteArray& data, int offset, quint32 value)
{
    qToLittleEndian<quint32>(value, reinterpret_cast<uchar*>(data.data() + offset));
}

quint32 takeU32(const QByteArray& data, int offset)
{
    return qFromLittleEndian<quint32>(reinterpret_cast<const uchar*>(data.constData() + offset));
}

} // namespace

QByteArray buildOsdMessage(const OsdMessage& message)
{
    QByteArray data(OsdLayout::Size, '\0');
    putText(data, OsdLayout::Text, OsdLayout::TextUnits, message.text);
    putU32(data, OsdLayout::Reserved1, message.reserved1);
    putU32(data, OsdLayout::DurationMs, message.durationMs);
    putU32(data, OsdLayout::Reserved2, message.reserved2);
    putU32(data, OsdLayout::Color, message.color);
    putU32(data, OsdLayout::FontSize, message.fontSize);
    putText(data, OsdLayout::FontName, OsdLayout::FontNameUnits, message.fontName);
    return data;
}

std::optional<OsdMessage> parseOsdMessage(const QByteArray& data)
{
    if (data.size() != OsdLayout::Size)
        return std::nullopt;
    OsdMessage message;
    message.text = takeText(data, OsdLayout::Text, OsdLayout::TextUnits);
    message.reserved1 = takeU32(data, OsdLayout::Reserved1);
    message.durationMs = takeU32(data, OsdLayout::DurationMs);
    message.reserved2 = takeU32(data, OsdLayout::Reserved2);
    message.color = takeU32(data, OsdLayout::Color);
    message.fontSize = takeU32(data, OsdLayout::FontSize);
    message.fontName = takeText(data, OsdLayout::FontName, OsdLayout::FontNameUnits);
    return message;
}

} // namespace platform
