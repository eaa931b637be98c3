#include "store/keys/KeyCodes.h"

#include <QTest>

#include <set>

Q_DECLARE_METATYPE(KeyHook)

class KeyCodesTest : public QObject
{
    Q_OBJECT

private slots:
    // Every entry converts both ways and has a name; codes and usages are unique.
    void wholeTableRoundTrips()
    {
        std::set<int> codes, usages;
        for (const KeyCodePair& pair : KeyCodeTable) {
            quint8 usage = 0;
            int code = 0;
            QVERIFY(scanToHid(pair.keyCode, usage) && usage == pair.hidUsage);
            QVERIFY(hidToScan(pair.hidUsage, code) && code == pair.keyCode);
            QVERIFY(!keyName(pair.keyCode).isEmpty());
            codes.insert(pair.keyCode);
            usages.insert(pair.hidUsage);
        }
        QCOMPARE(int(codes.size()), kKeyCodeTableSize);
        QCOMPARE(int(usages.size()), kKeyCodeTableSize);
    }

    // Entries checked by hand against the key list and the HID usage table; the index is the listing order.
    void anchors_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("usage");
        QTest::addRow("A") << 0 << "A" << 30 << 0x04;
        QTest::addRow("1") << 26 << "1" << 2 << 0x1E;
        QTest::addRow("semicolon skips non-US hash") << 46 << ";" << 39 << 0x33;
        QTest::addRow("Num Lock") << 78 << "Num Lock" << 225 << 0x53;
        QTest::addRow("Num De") << 94 << "Num De" << 224 << 0x63;
        QTest::addRow("RShift") << 103 << "RShift" << 54 << 0xE5;
    }
    void anchors()
    {
        QFETCH(int, index);
        QFETCH(int, code);
        QCOMPARE(int(KeyCodeTable[index].keyCode), code);
        QTEST(int(KeyCodeTable[index].hidUsage), "usage");
        QTEST(keyName(code), "name");
    }

    // Key codes and HID usages without an entry; a failed lookup leaves its output alone.
    void lookupsOutsideTheTable_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("usage");
        QTest::addRow("left button") << 240 << "Left Button" << 0x32; // non-US hash
        QTest::addRow("middle button") << 242 << "Middle Button" << 0x104;
        QTest::addRow("zero") << 0 << "" << 0x00;
        QTest::addRow("gap 84") << 84 << "" << 0xFF;
        QTest::addRow("gap 223") << 223 << "" << 0xE8;
        QTest::addRow("past 242") << 243 << "" << -1;
        QTest::addRow("wide") << 0x11E << "" << 0x1E0;
        QTest::addRow("negative") << -1 << "" << 0x66;
    }
    void lookupsOutsideTheTable()
    {
        QFETCH(int, code);
        QFETCH(int, usage);
        QTEST(keyName(code), "name");
        quint8 hid = 0x77;
        QVERIFY(!scanToHid(code, hid));
        QCOMPARE(int(hid), 0x77);
        int scan = 123;
        QVERIFY(!hidToScan(usage, scan));
        QCOMPARE(scan, 123);
    }

    void normalise_data()
    {
        QTest::addColumn<KeyHook>("hook");
        QTest::addColumn<uint>("scan");
        QTest::addColumn<uint>("flags");
        QTest::addColumn<uint>("vk");
        QTest::addColumn<int>("code");
        QTest::addColumn<uint>("flagsOut");
        const KeyHook cap = KeyHook::KeyCapture;
        const KeyHook rec = KeyHook::MacroRecorder;
        QTest::addRow("keypad del") << cap << 0x53u << 0x00u << 0u << 224 << 0x00u;
        QTest::addRow("delete") << cap << 0x53u << 0x01u << 0u << 83 << 0x01u;
        QTest::addRow("num lock") << cap << 0x45u << 0x01u << 0u << 225 << 0x01u;
        QTest::addRow("pause") << cap << 0x45u << 0x00u << 0u << 69 << 0x00u;
        QTest::addRow("num slash") << cap << 0x35u << 0x01u << 0u << 226 << 0x01u;
        QTest::addRow("slash") << cap << 0x35u << 0x00u << 0u << 53 << 0x00u;
        QTest::addRow("num enter") << cap << 0x1Cu << 0x01u << 0u << 229 << 0x01u;
        QTest::addRow("enter") << cap << 0x1Cu << 0x00u << 0u << 28 << 0x00u;
        QTest::addRow("num 1") << cap << 0x4Fu << 0x00u << 0u << 230 << 0x00u;
        QTest::addRow("end") << cap << 0x4Fu << 0x01u << 0u << 79 << 0x01u;
        QTest::addRow("num 0") << cap << 0x52u << 0x00u << 0u << 237 << 0x00u;
        QTest::addRow("right ctrl") << cap << 0x1Du << 0x01u << 0u << 238 << 0x01u;
        // Flag words with other bits set are neither state: the scan code stays.
        QTest::addRow("injected bit") << cap << 0x53u << 0x10u << 0u << 83 << 0x10u;
        QTest::addRow("capture alt held") << cap << 0x4Fu << 0x21u << 0u << 79 << 0x21u;
        QTest::addRow("capture right alt down") << cap << 56u << 0x21u << 0u << 239 << 0x21u;
        QTest::addRow("capture right alt up") << cap << 56u << 0x81u << 0u << 239 << 0x81u;
        QTest::addRow("capture left alt") << cap << 56u << 0x20u << 165u << 56 << 0x20u;
        QTest::addRow("capture left alt up") << cap << 56u << 0x80u << 0u << 56 << 0x80u;
        QTest::addRow("recorder right alt") << rec << 56u << 0x21u << 165u << 239 << 0x00u;
        QTest::addRow("recorder right alt up") << rec << 56u << 0x81u << 165u << 239 << 0x81u;
        QTest::addRow("recorder left alt ext flag") << rec << 56u << 0x01u << 164u << 56 << 0x01u;
        QTest::addRow("recorder end with alt") << rec << 0x4Fu << 0x21u << 35u << 230 << 0x00u;
        QTest::addRow("recorder end with alt up") << rec << 0x4Fu << 0xA1u << 35u << 79 << 0xA1u;
        QTest::addRow("recorder end") << rec << 0x4Fu << 0x01u << 35u << 79 << 0x01u;
        QTest::addRow("recorder keypad del") << rec << 0x53u << 0x00u << 46u << 224 << 0x00u;
        QTest::addRow("scan code too wide") << cap << 0x153u << 0x00u << 0u << 0 << 0x00u;
    }
    void normalise()
    {
        QFETCH(KeyHook, hook);
        QFETCH(uint, scan);
        QFETCH(uint, flags);
        QFETCH(uint, vk);
        const NormalisedKey key = normaliseScanCode(scan, flags, vk, hook);
        QTEST(key.keyCode, "code");
        QTEST(uint(key.flags), "flagsOut");
    }
};

QTEST_GUILESS_MAIN(KeyCodesTest)
#include "tst_key_codes.moc"
