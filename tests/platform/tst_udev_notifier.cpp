#include "platform/linux/UdevDeviceNotifier.h"

#include <QTest>

using platform::DeviceChangeEvent;
using platform::UdevDeviceNotifier;

// The real monitor: it must start (or refuse cleanly where udev is not reachable), restart and stop any
// number of times without leaking its socket watch or touching a stopped monitor.
class UdevNotifierTest : public QObject
{
    Q_OBJECT

private slots:
    void startsRestartsAndStops()
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

QTEST_GUILESS_MAIN(UdevNotifierTest)
#include "tst_udev_notifier.moc"
