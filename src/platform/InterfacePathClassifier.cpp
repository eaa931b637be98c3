#include "platform/InterfacePathClassifier.h"

#include <QRegularExpression>

namespace platform {

namespace {

struct PathRule
{
    QRegularExpression pattern;
    int kind;
};

const std::vector<PathRule>& pathRules()
{
    // Tested in this order; the first match decides. Matched anywhere in the path, any case.
    static const std::vector<PathRule> rules = [] {
        const auto options = QRegularExpression::CaseInsensitiveOption;
        return std::vector<PathRule>{
            {QRegularExpression(QStringLiteral("HID#VID_(?<vid>\\w{4})&PID_(?<pid>\\w{4})&col01"), options),
             CollectionKind::Pointer},
            {QRegularExpression(QStringLiteral("HID#VID_(?<vid>\\w{4})&PID_(?<pid>\\w{4})&col04"), options),
             CollectionKind::Command},
            {QRegularExpression(QStringLiteral("HID#VID_(?<vid>\\w{4})&PID_(?<pid>\\w{4})&MI_00&col01"), options),
             CollectionKind::Pointer},
            {QRegularExpression(QStringLiteral("HID#VID_(?<vid>\\w{4})&PID_(?<pid>\\w{4})&MI_00&col04"), options),
             CollectionKind::Command},
        };
    }();
    return rules;
}

} // namespace

DeviceChangeEvent classifyInterfacePath(const QString& interfacePath, bool bArrived)
{
    DeviceChangeEvent event;
    event.path = interfacePath;
    event.arrived = bArrived;
    for (const PathRule& rule : pathRules()) {
        const QRegularExpressionMatch match = rule.pattern.match(interfacePath);
        if (!match.hasMatch())
            continue;
        // \w also takes letters beyond F and '_': such ids name no device of ours.
        bool bVidOk = false;
        bool bPidOk = false;
        const uint vid = match.captured(QStringLiteral("vid")).toUInt(&bVidOk, 16);
        const uint pid = match.captured(QStringLiteral("pid")).toUInt(&bPidOk, 16);
        if (bVidOk && bPidOk) {
            event.collectionKind = rule.kind;
            event.vendorId = static_cast<quint16>(vid);
            event.productId = static_cast<quint16>(pid);
        }
        break;
    }
    return event;
}

} // namespace platform
