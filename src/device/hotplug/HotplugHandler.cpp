#include "device/hotplug/HotplugHandler.h"

namespace {

struct SetView
{
    quint32* presentPointer;
    quint32* presentCommand;
    char (*pathPointer)[kDevicePathSize];
    char (*pathCommand)[kDevicePathSize];
    quint32 minRelease;
    quint32 maxRelease;
};

SetView viewOf(MouseDescriptor& entry, bool bSetA)
{
    if (bSetA)
        return {&entry.presentA1, &entry.presentA2, &entry.pathA1, &entry.pathA2, entry.minReleaseA, entry.maxReleaseA};
    return {&entry.presentB1, &entry.presentB2, &entry.pathB1, &entry.pathB2, entry.minReleaseB, entry.maxReleaseB};
}

bool anyPresent(const MouseDescriptor& entry)
{
    return entry.presentA1 || entry.presentA2 || entry.presentB1 || entry.presentB2;
}

} // namespace

HotplugHandler::HotplugHandler(MouseDescriptorTable& table, std::function<int(const QByteArray&)> releaseNumber,
                               HotplugWindow& window)
    : m_table(table), m_releaseNumber(std::move(releaseNumber)), m_window(window)
{
}

void HotplugHandler::handleDeviceChange(const platform::DeviceChangeEvent& event)
{
    const int iCountBefore = m_window.connectedMouseCount();
    Outcome outcome;
    const quint32 count = qMin<quint32>(m_table.count, kMaxMouseDescriptors);
    for (quint32 i = 0; i < count; ++i) {
        MouseDescriptor& entry = m_table.entries[i];
        bool bSetA = false;
        if (event.vendorId == entry.vendorIdA && event.productId == entry.productIdA)
            bSetA = true;
        else if (event.vendorId != entry.vendorIdB || event.productId != entry.productIdB)
            continue;

        if (event.arrived)
            handleArrival(entry, bSetA, event, iCountBefore, outcome);
        else if (!handleRemoval(entry, bSetA, event, outcome))
            continue;

        const SetView set = viewOf(entry, bSetA);
        if (descriptorProductName(entry) == m_window.currentProductName() &&
            (*set.presentPointer || *set.presentCommand) && !outcome.bReopened) {
            m_window.stopStatusThread();
            m_window.closeDevice();
            m_window.scheduleReopen();
        }
        if (outcome.bNewCollection)
            m_window.requestFullWrite();
    }
}

bool HotplugHandler::productPresent(const MouseDescriptorTable& table, const QByteArray& productName)
{
    const quint32 count = qMin<quint32>(table.count, kMaxMouseDescriptors);
    for (quint32 i = 0; i < count; ++i) {
        if (anyPresent(table.entries[i]) && descriptorProductName(table.entries[i]) == productName)
            return true;
    }
    return false;
}

void HotplugHandler::handleArrival(MouseDescriptor& entry, bool bSetA, const platform::DeviceChangeEvent& event,
                                   int iCountBefore, Outcome& outcome)
{
    const SetView set = viewOf(entry, bSetA);
    const QByteArray path = event.path.toUtf8();
    const int iRelease = m_releaseNumber ? m_releaseNumber(path) : -1;
    // An unknown release (-1) only passes when any release is accepted.
    const bool bAccepted =
        set.maxRelease == 0 || (iRelease >= 0 && releaseAccepted(quint32(iRelease), set.minRelease, set.maxRelease));
    if (bAccepted) {
        quint32* present = nullptr;
        if (event.collectionKind == platform::CollectionKind::Pointer && storeDevicePath(*set.pathPointer, path))
            present = set.presentPointer;
        else if (event.collectionKind == platform::CollectionKind::Command && storeDevicePath(*set.pathCommand, path))
            present = set.presentCommand;
        if (present) {
            if (*present == 0)
                outcome.bNewCollection = true;
            *present = 1;
        }
    }
    if (*set.presentPointer && *set.presentCommand) {
        m_window.refreshMouseList();
        if (iCountBefore != 0)
            m_window.openDevice(m_window.currentProductName());
        else
            m_window.scheduleWarnClose();
    }
}

bool HotplugHandler::handleRemoval(MouseDescriptor& entry, bool bSetA, const platform::DeviceChangeEvent& event,
                                   Outcome& outcome)
{
    const SetView set = viewOf(entry, bSetA);
    if (event.collectionKind == platform::CollectionKind::Pointer) {
        if (!*set.presentPointer)
            return false;
        *set.presentPointer = 0;
    } else if (event.collectionKind == platform::CollectionKind::Command) {
        if (!*set.presentCommand)
            return false;
        *set.presentCommand = 0;
    }
    if (anyPresent(entry))
        return true;

    if (connectedMouseCount(m_table) == 0) {
        m_window.stopStatusThread();
        m_window.closeDevice();
        m_window.scheduleNoMouseWarning();
        return true;
    }
    // Another mouse remains; when the one that left was the current product, move to the new current one.
    const QByteArray previousProduct = m_window.currentProductName();
    m_window.refreshMouseList();
    if (descriptorProductName(entry) == previousProduct) {
        m_window.stopStatusThread();
        m_window.closeDevice();
        m_window.openDevice(m_window.currentProductName());
        m_window.startStatusThread();
        m_window.reloadProductSettings();
        outcome.bReopened = true;
    }
    return true;
}
