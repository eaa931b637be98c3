#pragma once

#include "device/Frame.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <vector>

// Test frames are written as the hex bytes a person reads off a capture; bytes not written are 0.
inline Frame hexFrame(const QString& text)
{
    Frame frame{};
    const QStringList parts = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (int i = 0; i < parts.size() && i < kFrameSize; ++i)
        frame[i] = static_cast<quint8>(parts[i].toUInt(nullptr, 16));
    return frame;
}

inline QString frameHex(const Frame& frame)
{
    QStringList parts;
    for (quint8 b : frame)
        parts << QString::asprintf("%02x", b);
    return parts.join(QLatin1Char(' '));
}

inline QStringList framesHex(const std::vector<Frame>& frames)
{
    QStringList lines;
    for (const Frame& f : frames)
        lines << frameHex(f);
    return lines;
}

inline QStringList hexFrames(const QStringList& texts)
{
    QStringList lines;
    for (const QString& t : texts)
        lines << frameHex(hexFrame(t));
    return lines;
}
