#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <optional>

namespace platform {

// The message the on-screen display receives: 1044 bytes, little-endian, texts in UTF-16.
namespace OsdLayout {
constexpr int Text = 0; // 256 UTF-16 units, zero-terminated
constexpr int TextUnits = 256;
constexpr int Reserved1 = 512;  // u32, 0
constexpr int DurationMs = 516; // u32, how long the text stays, 1500
constexpr int Reserved2 = 520;  // u32, 0
constexpr int Color = 524;      // u32, 0x00BBGGRR (red in the low byte)
constexpr int FontSize = 528;   // u32, 60
constexpr int FontName = 532;   // 256 UTF-16 units, zero-terminated
constexpr int FontNameUnits = 256;
constexpr int Size = 1044;
} // namespace OsdLayout
static_assert(OsdLayout::FontName + OsdLayout::FontNameUnits * 2 == OsdLayout::Size, "OSD message is 1044 bytes");

constexpr quint32 kOsdDurationMs = 1500;
constexpr quint32 kOsdFontSize = 60;

// 0x00BBGGRR from 8-bit red, green and blue.
constexpr quint32 osdColor(int iRed, int iGreen, int iBlue)
{
    return static_cast<quint32>(iRed & 0xFF) | static_cast<quint32>(iGreen & 0xFF) << 8 |
           static_cast<quint32>(iBlue & 0xFF) << 16;
}

struct OsdMessage
{
    QString text;
    quint32 color = osdColor(255, 0, 0);
    quint32 durationMs = kOsdDurationMs;
    quint32 fontSize = kOsdFontSize;
    QString fontName = QStringLiteral("Arial");
    quint32 reserved1 = 0;
    quint32 reserved2 = 0;
};

// Texts longer than 255 UTF-16 units are cut (never inside a surrogate pair) so the terminator fits.
QByteArray buildOsdMessage(const OsdMessage& message);
// Nothing unless the data is exactly one message; texts end at their first zero or at their field's end.
std::optional<OsdMessage> parseOsdMessage(const QByteArray& data);

} // namespace platform
