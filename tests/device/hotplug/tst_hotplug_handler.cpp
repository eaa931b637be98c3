#include "device/hotplug/HotplugHandler.h"

#include <QStringList>
#include <QTest>

#include <cstring>

namespace {

// Records what the handler asks for, one word per call.
class RecordingWindow : public HotplugWindow
{
public:
    explicit RecordingWindow(const MouseDescriptorTable& table) : m_table(table) {}

    void refreshMouseList() override
    {
        calls << "refresh";
        m_count = ::connectedMouseCount(m_table);
        // Like the real list: a current product that is no longer connected gives way to the first one.
        QByteArray first;
        bool bCurrentConnected = false;
        for (quint32 i = 0; i < m_table.count; ++i) {
            const MouseDescriptor& e = m_table.entries[i];
            if (!((e.presentA1 && e.presentA2) || (e.presentB1 && e.presentB2)))
                continue;
            if (first.isEmpty())
                first = descriptorProductName(e);
            bCurrentConnected |= descriptorProductName(e) == current;
        }
        if (!bCurrentConnected)
            current = first;
    }
    int connectedMouseCount() const override { return m_count; }
    void openDevice(const QByteArray& name) override { calls << "open:" + QString::fromUtf8(name); }
    void closeDevice() override { calls << "close"; }
    void stopStatusThread() override { calls << "stop"; }
    void startStatusThread() override { calls << "start"; }
    void scheduleWarnClose() override { calls << "warnClose"; }
    void scheduleNoMouseWarning() override
    {
        calls << "noMouse";
        m_count = 0;
    }
    void reloadProductSettings() override { calls << "reload"; }
    void scheduleReopen() override { calls << "reopenLater"; }
    QByteArray currentProductName() const override { return current; }
    void requestFullWrite() override { calls << "fullWrite"; }

    QStringList takeCalls()
    {
        QStringList taken = calls;
        calls.clear();
        return taken;
    }

    QStringList calls;
    QByteArray current = "OSKEN R5";
    int m_count = 0;

private:
    const MouseDescriptorTable& m_table;
};

MouseDescriptorTable receiverTable()
{
    MouseDescriptorTable table;
    std::memset(&table, 0, sizeof table);
    table.count = 1;
    MouseDescriptor& entry = table.entries[0];
    entry.vendorIdA = entry.vendorIdB = 0x248A;
    entry.productIdA = 0xFA02;
    entry.productIdB = 0xFB01;
    std::strcpy(entry.productName, "OSKEN R5");
    return table;
}

platform::DeviceChangeEvent change(int kind, quint16 product, bool bArrived, const QString& path = "/dev/hidraw3")
{
    platform::DeviceChangeEvent e;
    e.collectionKind = kind;
    e.vendorId = 0x248A;
    e.productId = product;
    e.path = path;
    e.arrived = bArrived;
    return e;
}

// The handler never waits: the window opens the mouse again once the system has settled.
const QStringList kReopen{"stop", "close", "reopenLater"};

} // namespace

class HotplugHandlerTest : public QObject
{
    Q_OBJECT

private slots:
    // One hidraw node brings the pointer and then the command collection of set A.
    void firstMouseArrivesCollectionByCollection()
    {
        MouseDescriptorTable table = receiverTable();
        RecordingWindow window(table);
        HotplugHandler handler(
            table, [](const QByteArray&) { return 0x0100; }, window);

        handler.handleDeviceChange(change(platform::CollectionKind::Pointer, 0xFA02, true));
        QCOMPARE(table.entries[0].presentA1, 1u);
        QCOMPARE(table.entries[0].presentA2, 0u);
        QCOMPARE(window.takeCalls(), kReopen + QStringList{"fullWrite"});

        handler.handleDeviceChange(change(platform::CollectionKind::Command, 0xFA02, true));
        QCOMPARE(table.entries[0].presentA2, 1u);
        QCOMPARE(QByteArray(table.entries[0].pathA2), QByteArray("/dev/hidraw3"));
        QCOMPARE(window.takeCalls(), (QStringList{"refresh", "warnClose"} + kReopen + QStringList{"fullWrite"}));

        // The same collection announced again is not new: no full write is asked for.
        handler.handleDeviceChange(change(platform::CollectionKind::Command, 0xFA02, true));
        QCOMPARE(window.takeCalls(), (QStringList{"refresh", "open:OSKEN R5"} + kReopen));
    }

    void setBAndReleaseBounds()
    {
        MouseDescriptorTable table = receiverTable();
        table.entries[0].minReleaseB = 0x0200;
        table.entries[0].maxReleaseB = 0x0300;
        int iRelease = 0x0100;
        RecordingWindow window(table);
        window.current = "another mouse";
        HotplugHandler handler(
            table, [&](const QByteArray&) { return iRelease; }, window);

        handler.handleDeviceChange(change(platform::CollectionKind::Pointer, 0xFB01, true));
        QCOMPARE(table.entries[0].presentB1, 0u);
        QVERIFY(window.takeCalls().isEmpty());

        iRelease = 0x0300;
        handler.handleDeviceChange(change(platform::CollectionKind::Pointer, 0xFB01, true));
        QCOMPARE(table.entries[0].presentB1, 1u);
        QCOMPARE(table.entries[0].presentA1, 0u);
        QCOMPARE(window.takeCalls(), QStringList{"fullWrite"});
    }

    void unrelatedOrUnusableEventsChangeNothing()
    {
        MouseDescriptorTable table = receiverTable();
        RecordingWindow window(table);
        HotplugHandler handler(
            table, [](const QByteArray&) { return 1; }, window);

        handler.handleDeviceChange(change(platform::CollectionKind::Unknown, 0, true));
        handler.handleDeviceChange(change(platform::CollectionKind::Pointer, 0x1234, true));
        // A path that does not fit the table would be cut into another device's name: refused.
        handler.handleDeviceChange(
            change(platform::CollectionKind::Command, 0xFA02, true, QString(kDevicePathSize, QChar('x'))));
        QCOMPARE(table.entries[0].presentA2, 0u);
        // Removing what is not present leaves the entry alone.
        handler.handleDeviceChange(change(platform::CollectionKind::Pointer, 0xFA02, false));
        QCOMPARE(window.takeCalls(), QStringList{});
    }

    void lastMouseLeaves()
    {
        MouseDescriptorTable table = receiverTable();
        table.entries[0].presentA1 = table.entries[0].presentA2 = 1;
        RecordingWindow window(table);
        window.m_count = 1;
        HotplugHandler handler(
            table, [](const QByteArray&) { return 1; }, window);

        // While the command collection is still there, the current mouse is reopened.
        handler.handleDeviceChange(change(platform::CollectionKind::Pointer, 0xFA02, false));
        QCOMPARE(window.takeCalls(), kReopen);

        handler.handleDeviceChange(change(platform::CollectionKind::Command, 0xFA02, false));
        QCOMPARE(table.entries[0].presentA2, 0u);
        QCOMPARE(window.takeCalls(), (QStringList{"stop", "close", "noMouse"}));
        QCOMPARE(window.connectedMouseCount(), 0);
    }

    void currentMouseLeavesWhileAnotherStays()
    {
        MouseDescriptorTable table = receiverTable();
        table.count = 2;
        table.entries[1] = table.entries[0];
        table.entries[1].productIdA = 0x0F0F;
        table.entries[1].productIdB = 0x0F0E;
        std::strcpy(table.entries[1].productName, "Wireless Mouse");
        table.entries[0].presentA2 = 1;
        table.entries[1].presentA1 = table.entries[1].presentA2 = 1;
        RecordingWindow window(table);
        window.m_count = 2;
        HotplugHandler handler(
            table, [](const QByteArray&) { return 1; }, window);

        handler.handleDeviceChange(change(platform::CollectionKind::Command, 0xFA02, false));
        QCOMPARE(window.takeCalls(),
                 (QStringList{"refresh", "stop", "close", "open:Wireless Mouse", "start", "reload"}));
        QCOMPARE(window.connectedMouseCount(), 1);
    }
};

QTEST_GUILESS_MAIN(HotplugHandlerTest)
#include "tst_hotplug_handler.moc"
