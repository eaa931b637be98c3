#include "platform/linux/UdevDeviceNotifier.h"
#include "platform/linux/UdevEventParser.h"

#include <QTest>

using platform::DeviceChangeEvent;
using platform::parseUdevHidrawEvent;
using platform::UdevDeviceNotifier;
namespace Kind = platform::CollectionKind;

namespace {

using Properties = QHash<QString, QString>;

Properties hidraw(const QString& action, const QString& devpath, const QString& node = "/dev/hidraw3")
{
    Properties properties{{"ACTION", action}, {"DEVPATH", devpath}, {"SUBSYSTEM", "hidraw"}};
    if (!node.isEmpty())
        properties.insert("DEVNAME", node);
    return properties;
}

const QString kReceiverIf0 = "/devices/pci0000:00/0000:00:14.0/usb1/1-2/1-2:1.0/0003:248A:FA02.0005/hidraw/hidraw3";

} // namespace

class UdevEventTest : public QObject
{
    Q_OBJECT

private slots:
    void interfaceZeroGivesPointerThenCommand_data()
    {
        QTest::addColumn<Properties>("properties");
        QTest::addColumn<bool>("arrived");
        QTest::addColumn<int>("product");
        QTest::addColumn<QString>("node");

        QTest::addRow("add") << hidraw("add", kReceiverIf0) << true << 0xFA02 << "/dev/hidraw3";
        QTest::addRow("remove") << hidraw("remove", kReceiverIf0) << false << 0xFA02 << "/dev/hidraw3";
        QTest::addRow("behind a hub, set B, lower-case ids")
            << hidraw("add",
                      "/devices/pci0000:00/0000:00:14.0/usb3/3-1/3-1.4/3-1.4.2/3-1.4.2:1.0/0003:248a:fb01.000A/"
                      "hidraw/hidraw12",
                      "/dev/hidraw12")
            << true << 0xFB01 << "/dev/hidraw12";
        QTest::addRow("node named as the kernel does")
            << hidraw("remove", kReceiverIf0, "hidraw3") << false << 0xFA02 << "/dev/hidraw3";
    }

    void interfaceZeroGivesPointerThenCommand()
    {
        QFETCH(Properties, properties);
        QFETCH(bool, arrived);

        const std::vector<DeviceChangeEvent> events = parseUdevHidrawEvent(properties);
        QCOMPARE(events.size(), size_t(2));
        QCOMPARE(events[0].collectionKind, Kind::Pointer);
        QCOMPARE(events[1].collectionKind, Kind::Command);
        for (const DeviceChangeEvent& event : events) {
            QCOMPARE(int(event.vendorId), 0x248A);
            QTEST(int(event.productId), "product");
            QTEST(event.path, "node");
            QCOMPARE(event.arrived, arrived);
        }
    }

    void otherNodesAreUnrecognised_data()
    {
        QTest::addColumn<Properties>("properties");

        QTest::addRow("interface 1") << hidraw(
            "add", "/devices/pci0000:00/0000:00:14.0/usb1/1-2/1-2:1.1/0003:248A:FA02.0006/hidraw/hidraw4");
        QTest::addRow("bluetooth bus") << hidraw(
            "add", "/devices/pci0000:00/0000:00:14.0/usb1/1-2/1-2:1.0/0005:248A:FA02.0007/hidraw/hidraw5");
        QTest::addRow("virtual uhid") << hidraw("add", "/devices/virtual/misc/uhid/0003:248A:FA02.0008/hidraw/hidraw6");
        QTest::addRow("no devpath") << hidraw("remove", QString());
        QTest::addRow("garbage devpath") << hidraw("add", "/devices/\xff/1-2:1.0/zzzz:248A:FA02.1/hidraw/hidraw1");
    }

    void otherNodesAreUnrecognised()
    {
        QFETCH(Properties, properties);

        const std::vector<DeviceChangeEvent> events = parseUdevHidrawEvent(properties);
        QCOMPARE(events.size(), size_t(1));
        QCOMPARE(events[0].collectionKind, Kind::Unknown);
        QCOMPARE(int(events[0].vendorId), 0);
        QCOMPARE(int(events[0].productId), 0);
        QCOMPARE(events[0].path, QString("/dev/hidraw3"));
        QCOMPARE(events[0].arrived, properties.value("ACTION") == "add");
    }

    void ignoredEvents_data()
    {
        QTest::addColumn<Properties>("properties");

        QTest::addRow("change") << hidraw("change", kReceiverIf0);
        QTest::addRow("no action") << hidraw(QString(), kReceiverIf0);
        QTest::addRow("no node") << hidraw("add", kReceiverIf0, QString());
        QTest::addRow("empty") << Properties{};
    }

    void ignoredEvents()
    {
        QFETCH(Properties, properties);
        QVERIFY(parseUdevHidrawEvent(properties).empty());
    }
    // The real monitor: it must start (or refuse cleanly where udev is not reachable), restart and stop any
    // number of times without leaking its socket watch or touching a stopped monitor.
    void notifierStartsRestartsAndStops()
    {
        int calls = 0;
        auto count = [&calls](const DeviceChangeEvent&) { ++calls; };
        {
            UdevDeviceNotifier notifier;
            const bool bStarted = notifier.start(0, count);
            QCOMPARE(notifier.start(0, count), bStarted);
            QCoreApplication::processEvents();
            notifier.stop();
            notifier.stop();
            QCOMPARE(notifier.start(0, count), bStarted);
        } // destroyed while running
        QCoreApplication::processEvents();
        QCOMPARE(calls, 0); // nothing was plugged in
    }
};

QTEST_GUILESS_MAIN(UdevEventTest)
#include "tst_udev_event.moc"
