#include "platform/linux/UdevEventParser.h"

#include <QRegularExpression>

namespace platform {

namespace {

constexpr uint kUsbBus = 0x0003;

} // namespace

std::vector<DeviceChangeEvent> parseUdevHidrawEvent(const QHash<QString, QString>& properties)
{
    const QString action = properties.value(QStringLiteral("ACTION"));
    const QString node = properties.value(QStringLiteral("DEVNAME"));
    if ((action != QLatin1String("add") && action != QLatin1String("remove")) || node.isEmpty())
        return {};

    DeviceChangeEvent event;
    // The kernel names the node relative to /dev; the HID layer opens it by its full path.
    event.path = node.startsWith(QLatin1Char('/')) ? node : QStringLiteral("/dev/") + node;
    event.arrived = action == QLatin1String("add");

    // .../<usb port>:<configuration>.<interface>/<bus>:<vendor>:<product>.<instance>/hidraw/hidrawN
    static const QRegularExpression devpathRule(QStringLiteral(
        "/\\d+-[\\d.]+:\\d+\\.(\\d+)/([0-9A-Fa-f]{4}):([0-9A-Fa-f]{4}):([0-9A-Fa-f]{4})\\.[0-9A-Fa-f]+/hidraw/"));
    const QRegularExpressionMatch match = devpathRule.match(properties.value(QStringLiteral("DEVPATH")));
    if (!match.hasMatch() || match.captured(2).toUInt(nullptr, 16) != kUsbBus || match.captured(1).toUInt() != 0)
        return {event};

    event.vendorId = static_cast<quint16>(match.captured(3).toUInt(nullptr, 16));
    event.productId = static_cast<quint16>(match.captured(4).toUInt(nullptr, 16));
    DeviceChangeEvent command = event;
    event.collectionKind = CollectionKind::Pointer;
    command.collectionKind = CollectionKind::Command;
    return {event, command};
}

} // namespace platform
