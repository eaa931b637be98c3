#include "platform/InterfacePathClassifier.h"

#include <QTest>

using platform::classifyInterfacePath;
using platform::DeviceChangeEvent;
namespace Kind = platform::CollectionKind;

class InterfacePathTest : public QObject
{
    Q_OBJECT

private slots:
    void classifies_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("vendor");
        QTest::addColumn<int>("product");

        const QString tail = QStringLiteral("#7&1b2c3d4e&0&0000#{4d1e55b2-f16f-11cf-88cb-001111000030}");
        QTest::addRow("single interface col01")
            << "\\\\?\\HID#VID_248A&PID_FA02&Col01" + tail << Kind::Pointer << 0x248A << 0xFA02;
        QTest::addRow("single interface col04")
            << "\\\\?\\HID#VID_248A&PID_FB01&Col04" + tail << Kind::Command << 0x248A << 0xFB01;
        QTest::addRow("interface 0 col04")
            << "\\\\?\\HID#VID_248A&PID_FA02&MI_00&Col04" + tail << Kind::Command << 0x248A << 0xFA02;
        QTest::addRow("lower case, no prefix")
            << "hid#vid_248a&pid_fa02&mi_00&col04" + tail << Kind::Command << 0x248A << 0xFA02;
        QTest::addRow("other vendor still classified")
            << "HID#VID_046D&PID_C52B&MI_00&Col01" << Kind::Pointer << 0x046D << 0xC52B;
        QTest::addRow("interface 1 col04") << "\\\\?\\HID#VID_248A&PID_FA02&MI_01&Col04" + tail << 0 << 0 << 0;
        QTest::addRow("interface 0 col02") << "\\\\?\\HID#VID_248A&PID_FA02&MI_00&Col02" + tail << 0 << 0 << 0;
        QTest::addRow("interface 0 without collection") << "\\\\?\\HID#VID_248A&PID_FA02&MI_00" + tail << 0 << 0 << 0;
        QTest::addRow("not hexadecimal") << "HID#VID_24GZ&PID_FA02&Col01" << 0 << 0 << 0;
        QTest::addRow("USB interface, not HID") << "\\\\?\\USB#VID_248A&PID_FA02&MI_00#6&abc" << 0 << 0 << 0;
        QTest::addRow("empty") << QString() << 0 << 0 << 0;
    }

    void classifies()
    {
        QFETCH(QString, path);

        const DeviceChangeEvent event = classifyInterfacePath(path, false);
        QTEST(event.collectionKind, "kind");
        QTEST(int(event.vendorId), "vendor");
        QTEST(int(event.productId), "product");
        QCOMPARE(event.path, path); // the HID layer opens exactly what the system named
        QVERIFY(!event.arrived);
    }
};

QTEST_GUILESS_MAIN(InterfacePathTest)
#include "tst_interface_path.moc"
