#include "LinkCommands.h"

#include "CtlOutput.h"
#include "MouseCommands.h"
#include "MouseConnection.h"
#include "SettingsSource.h"
#include "platform/DeviceAccess.h"

namespace {

constexpr int kStatusListenMs = 1000;

} // namespace

int runApply(const PendingSettingsFile& file, std::unique_ptr<HidBackend> backend, QTextStream& err)
{
    MouseConnection mouse(std::move(backend));
    return runApplyOn(
        file, mouse.link(), [&mouse, &file](QString& error) { return mouse.open(file.product(), error); }, err);
}

int runStatus(const CtlRequest& request, std::unique_ptr<HidBackend> backend, QTextStream& out, QTextStream& err)
{
    MouseConnection mouse(std::move(backend));
    QString error;
    if (!mouse.open(chosenProduct(std::nullopt), error)) {
        err << "osken-ctl: " << error << "\n";
        return CtlExit::NoDevice;
    }
    const Heard heard = mouse.queryAndListen(kStatusListenMs, false);
    return printStatus(request, {heard.readFailed, heard.battery, heard.status}, out, err);
}

int runList(const CtlRequest& request, std::unique_ptr<HidBackend> backend, QTextStream& out, QTextStream& err)
{
    DeviceLink link(std::move(backend));
    link.InitDeviceTable();
    if (link.EnumerateDevices() < 0) {
        err << "osken-ctl: the HID layer cannot start\n";
        return CtlExit::NoDevice;
    }
    auto pathOf = [](const char(&field)[kDevicePathSize], quint32 present) {
        return present ? std::optional<QString>(QString::fromLocal8Bit(devicePath(field))) : std::nullopt;
    };
    // Empty when every listed node opens, else why the first one does not and what to do about it.
    auto problemOf = [&link](const std::optional<QString>& pointer, const std::optional<QString>& command) {
        for (const std::optional<QString>& path : {pointer, command}) {
            if (!path || link.backend().openPath(path->toLocal8Bit(), HidBackend::kAnyReport))
                continue;
            const platform::NodeAccess access = platform::probeDeviceNode(path->toLocal8Bit());
            return QStringLiteral("cannot open %1: %2 %3")
                .arg(*path, QLatin1String(platform::nodeAccessCause(access)),
                     QLatin1String(platform::nodeAccessFix(access)));
        }
        return QString();
    };
    int found = 0;
    auto print = [&](const QString& name, quint32 vendor, quint32 product, std::optional<QString> pointer,
                     std::optional<QString> command) {
        const QString usb = QString::asprintf("%04x:%04x", vendor, product);
        const QString problem = problemOf(pointer, command);
        if (request.json) {
            out << jsonLine({{"product", name},
                             {"usb", usb},
                             {"pointer", pointer ? QJsonValue(*pointer) : QJsonValue()},
                             {"command", command ? QJsonValue(*command) : QJsonValue()},
                             {"opens", problem.isEmpty()},
                             {"problem", problem.isEmpty() ? QJsonValue() : QJsonValue(problem)}});
        } else {
            // Tab-separated: product names hold spaces.
            out << name << "\t" << usb << "\t" << pointer.value_or(QStringLiteral("-")) << "\t"
                << command.value_or(QStringLiteral("-")) << "\t" << (problem.isEmpty() ? QStringLiteral("ok") : problem)
                << "\n";
        }
        ++found;
    };
    const MouseDescriptorTable& table = link.deviceTable();
    for (quint32 i = 0; i < table.count && i < quint32(kMaxMouseDescriptors); ++i) {
        const MouseDescriptor& e = table.entries[i];
        const QString name = QString::fromUtf8(descriptorProductName(e));
        if (e.presentA1 || e.presentA2)
            print(name, e.vendorIdA, e.productIdA, pathOf(e.pathA1, e.presentA1), pathOf(e.pathA2, e.presentA2));
        if (e.presentB1 || e.presentB2)
            print(name, e.vendorIdB, e.productIdB, pathOf(e.pathB1, e.presentB1), pathOf(e.pathB2, e.presentB2));
    }
    if (found == 0) {
        err << "osken-ctl: no receiver found\n";
        return CtlExit::NoDevice;
    }
    return CtlExit::Done;
}
