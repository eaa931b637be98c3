#include "platform/InterfacePathClassifier.h"
#include "platform/OsdMessage.h"

#include <QTest>

using platform::buildOsdMessage;
using platform::classifyInterfacePath;
using platform::DeviceChangeEvent;
using platform::OsdMessage;
using platform::parseOsdMessage;
namespace Kind = platform::CollectionKind;

namespace {

quint32 u32At(const QByteArray& data, int offset)
{
    const auto* b = reinterpret_cast<const uchar*>(data.constData() + offset);
    return quint32(b[0]) | quint32(b[1]) << 8 | quint32(b[2]) << 16 | quint32(b[3]) << 24;
}

quint16 unitAt(const QByteArray& data, int offset)
{
    return quint16(uchar(data[offset]) | uchar(data[offset + 1]) << 8);
}

} // namespace

// What the platform layer reads from outside on every system: the on-screen message and device interface paths.
class PlatformFormatsTest : public QObject
{
    Q_OBJECT

private slots:
    void layoutByHand()
    {
        OsdMessage message;
        message.text = QStringLiteral("DPI 2:1600");
        message.color = platform::osdColor(255, 125, 0); // orange
        const QByteArray data = buildOsdMessage(message);

        QCOMPARE(data.size(), 1044);
        // "D" "P" as UTF-16 little-endian, then the terminator after ten characters.
        QCOMPARE(data.mid(0, 4), QByteArray("D\0P\0", 4));
        QCOMPARE(unitAt(data, 18), quint16('0'));
        QCOMPARE(unitAt(data, 20), quint16(0));
        QCOMPARE(u32At(data, 512), 0u);
        QCOMPARE(data.mid(516, 4), QByteArray("\xDC\x05\0\0", 4)); // 1500
        QCOMPARE(u32At(data, 520), 0u);
        QCOMPARE(data.mid(524, 4), QByteArray("\xFF\x7D\0\0", 4)); // red low, then green, blue
        QCOMPARE(data.mid(528, 4), QByteArray("\x3C\0\0\0", 4));   // 60
        QCOMPARE(data.mid(532, 12), QByteArray("A\0r\0i\0a\0l\0\0\0", 12));
        QCOMPARE(data.mid(544), QByteArray(1044 - 544, '\0'));
    }

    void roundTrip_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("font");
        QTest::addColumn<quint32>("color");

        QTest::addRow("chinese") << QString::fromUtf8("配置文件 3") << QString::fromUtf8("微软雅黑") << 0x0000FF00u;
        QTest::addRow("outside the basic plane") << QString::fromUtf8("DPI \xF0\x9F\x96\xB1 1") << "Arial" << 0u;
        QTest::addRow("255 characters fit") << QString(255, QChar('x')) << QString(255, QChar('f')) << 0x00FF00FFu;
    }

    void roundTrip()
    {
        QFETCH(QString, text);
        QFETCH(QString, font);
        QFETCH(quint32, color);

        OsdMessage message;
        message.text = text;
        message.fontName = font;
        message.color = color;
        message.durationMs = 2500;
        message.fontSize = 32;
        const std::optional<OsdMessage> parsed = parseOsdMessage(buildOsdMessage(message));
        QVERIFY(parsed);
        QCOMPARE(parsed->text, text);
        QCOMPARE(parsed->fontName, font);
        QCOMPARE(parsed->color, color);
        QCOMPARE(parsed->durationMs, 2500u);
        QCOMPARE(parsed->fontSize, 32u);
    }

    void overLongTextIsCutAndTerminated()
    {
        OsdMessage message;
        message.text = QString(300, QChar(0x4E2D)); // 中
        message.fontName = QString(400, QChar('F'));
        const QByteArray data = buildOsdMessage(message);
        QCOMPARE(data.size(), 1044);
        QCOMPARE(unitAt(data, 508), quint16(0x4E2D)); // unit 254
        QCOMPARE(unitAt(data, 510), quint16(0));      // unit 255 is the terminator
        QCOMPARE(u32At(data, 516), 1500u);            // the fields after it are untouched
        QCOMPARE(unitAt(data, 1042), quint16(0));

        const std::optional<OsdMessage> parsed = parseOsdMessage(data);
        QVERIFY(parsed);
        QCOMPARE(parsed->text, QString(255, QChar(0x4E2D)));
        QCOMPARE(parsed->fontName, QString(255, QChar('F')));

        // 254 letters, then U+1F5B1 (D83D DDB1) would straddle the last unit: the cut never splits the pair.
        message.text = QString(254, QChar('a')) + QString::fromUtf8("\xF0\x9F\x96\xB1") + "b";
        const QByteArray cut = buildOsdMessage(message);
        QCOMPARE(unitAt(cut, 506), quint16('a'));
        QCOMPARE(unitAt(cut, 508), quint16(0));
        QCOMPARE(parseOsdMessage(cut)->text, QString(254, QChar('a')));
    }

    void unterminatedFieldsStopAtTheirEnd()
    {
        // Every byte 0x41: both texts run to the end of their fields without a terminator.
        const std::optional<OsdMessage> parsed = parseOsdMessage(QByteArray(1044, 'A'));
        QVERIFY(parsed);
        QCOMPARE(parsed->text, QString(256, QChar(0x4141)));
        QCOMPARE(parsed->fontName, QString(256, QChar(0x4141)));
        QCOMPARE(parsed->color, 0x41414141u);
        for (int size : {0, 1043, 1045, 2088})
            QVERIFY2(!parseOsdMessage(QByteArray(size, 'A')), qPrintable(QString::number(size)));
    }

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

QTEST_GUILESS_MAIN(PlatformFormatsTest)
#include "tst_platform_formats.moc"
