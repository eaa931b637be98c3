#include "hid/hidapi/HidapiBackend.h"

#include <QTest>

// Runs against the machine's own HID layer without opening any real device.
class TestHidapiBackend : public QObject
{
    Q_OBJECT
private slots:
    void missingPathIsRefused()
    {
        HidapiBackend backend;
        QCOMPARE(backend.init(), 0);
        QVERIFY(!backend.openPath("/nonexistent/hidraw99", 5));
        QCOMPARE(backend.releaseNumber("/nonexistent/hidraw99"), -1);
        // Whatever is plugged in, every record carries a path, and the release lookup agrees with it.
        for (const HidDeviceInfo& d : backend.enumerate(0, 0)) {
            QVERIFY(!d.path.isEmpty());
            QCOMPARE(backend.releaseNumber(d.path), int(d.releaseNumber));
        }
        backend.exit();
    }
};

QTEST_GUILESS_MAIN(TestHidapiBackend)
#include "tst_hidapi_backend.moc"
