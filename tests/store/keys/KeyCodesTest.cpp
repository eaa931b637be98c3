#include "store/keys/KeyCodes.h"

#include <QTest>

#include <set>

Q_DECLARE_METATYPE(KeyHook)

namespace {

struct ExpectedPair
{
    const char* name;
    int code;
    int usage;
};

// Written out from the key list, in the order the table must keep.
const ExpectedPair kExpected[] = {
    {"A", 30, 0x04},
    {"B", 48, 0x05},
    {"C", 46, 0x06},
    {"D", 32, 0x07},
    {"E", 18, 0x08},
    {"F", 33, 0x09},
    {"G", 34, 0x0A},
    {"H", 35, 0x0B},
    {"I", 23, 0x0C},
    {"J", 36, 0x0D},
    {"K", 37, 0x0E},
    {"L", 38, 0x0F},
    {"M", 50, 0x10},
    {"N", 49, 0x11},
    {"O", 24, 0x12},
    {"P", 25, 0x13},
    {"Q", 16, 0x14},
    {"R", 19, 0x15},
    {"S", 31, 0x16},
    {"T", 20, 0x17},
    {"U", 22, 0x18},
    {"V", 47, 0x19},
    {"W", 17, 0x1A},
    {"X", 45, 0x1B},
    {"Y", 21, 0x1C},
    {"Z", 44, 0x1D},
    {"1", 2, 0x1E},
    {"2", 3, 0x1F},
    {"3", 4, 0x20},
    {"4", 5, 0x21},
    {"5", 6, 0x22},
    {"6", 7, 0x23},
    {"7", 8, 0x24},
    {"8", 9, 0x25},
    {"9", 10, 0x26},
    {"0", 11, 0x27},
    {"Enter", 28, 0x28},
    {"Esc", 1, 0x29},
    {"Backspace", 14, 0x2A},
    {"Tab", 15, 0x2B},
    {"Space", 57, 0x2C},
    {"-", 12, 0x2D},
    {"=", 13, 0x2E},
    {"[", 26, 0x2F},
    {"]", 27, 0x30},
    {"\\", 43, 0x31},
    {";", 39, 0x33},
    {"'", 40, 0x34},
    {"`", 41, 0x35},
    {",", 51, 0x36},
    {".", 52, 0x37},
    {"/", 53, 0x38},
    {"CapsLock", 58, 0x39},
    {"F1", 59, 0x3A},
    {"F2", 60, 0x3B},
    {"F3", 61, 0x3C},
    {"F4", 62, 0x3D},
    {"F5", 63, 0x3E},
    {"F6", 64, 0x3F},
    {"F7", 65, 0x40},
    {"F8", 66, 0x41},
    {"F9", 67, 0x42},
    {"F10", 68, 0x43},
    {"F11", 87, 0x44},
    {"F12", 88, 0x45},
    {"Print Screen", 55, 0x46},
    {"Scroll Lock", 70, 0x47},
    {"Pause Break", 69, 0x48},
    {"Insert", 82, 0x49},
    {"Home", 71, 0x4A},
    {"Page Up", 73, 0x4B},
    {"Delete", 83, 0x4C},
    {"End", 79, 0x4D},
    {"Page Down", 81, 0x4E},
    {"Right", 77, 0x4F},
    {"Left", 75, 0x50},
    {"Down", 80, 0x51},
    {"Up", 72, 0x52},
    {"Num Lock", 225, 0x53},
    {"Num /", 226, 0x54},
    {"Num *", 227, 0x55},
    {"Num -", 74, 0x56},
    {"Num +", 78, 0x57},
    {"Num Enter", 229, 0x58},
    {"Num 1", 230, 0x59},
    {"Num 2", 231, 0x5A},
    {"Num 3", 232, 0x5B},
    {"Num 4", 233, 0x5C},
    {"Num 5", 76, 0x5D},
    {"Num 6", 234, 0x5E},
    {"Num 7", 235, 0x5F},
    {"Num 8", 236, 0x60},
    {"Num 9", 228, 0x61},
    {"Num 0", 237, 0x62},
    {"Num De", 224, 0x63},
    {"App", 93, 0x65},
    {"LShift", 42, 0xE1},
    {"LCtr", 29, 0xE0},
    {"LWindows", 91, 0xE3},
    {"LAlt", 56, 0xE2},
    {"RAlt", 239, 0xE6},
    {"RWindows", 92, 0xE7},
    {"RCtr", 238, 0xE4},
    {"RShift", 54, 0xE5},
};

} // namespace

class KeyCodesTest : public QObject
{
    Q_OBJECT

private slots:
    void tableOrderNamesAndRoundTrips()
    {
        QCOMPARE(int(sizeof(kExpected) / sizeof(kExpected[0])), kKeyCodeTableSize);
        std::set<int> codes, usages;
        for (int i = 0; i < kKeyCodeTableSize; ++i) {
            const ExpectedPair& e = kExpected[i];
            QCOMPARE(int(KeyCodeTable[i].keyCode), e.code);
            QCOMPARE(int(KeyCodeTable[i].hidUsage), e.usage);
            QCOMPARE(keyName(e.code), QString::fromLatin1(e.name));
            quint8 usage = 0;
            QVERIFY(scanToHid(e.code, usage));
            QCOMPARE(int(usage), e.usage);
            int code = 0;
            QVERIFY(hidToScan(e.usage, code));
            QCOMPARE(code, e.code);
            codes.insert(e.code);
            usages.insert(e.usage);
        }
        QCOMPARE(int(codes.size()), kKeyCodeTableSize);
        QCOMPARE(int(usages.size()), kKeyCodeTableSize);
    }

    void lookupsOutsideTheTable_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("name");
        QTest::addRow("left button") << 240 << "Left Button";
        QTest::addRow("right button") << 241 << "Right Button";
        QTest::addRow("middle button") << 242 << "Middle Button";
        QTest::addRow("zero") << 0 << "";
        QTest::addRow("gap 84") << 84 << "";
        QTest::addRow("gap 94") << 94 << "";
        QTest::addRow("gap 223") << 223 << "";
        QTest::addRow("past 242") << 243 << "";
        QTest::addRow("negative") << -1 << "";
        QTest::addRow("wide") << 0x11E << "";
    }
    void lookupsOutsideTheTable()
    {
        QFETCH(int, code);
        QFETCH(QString, name);
        QCOMPARE(keyName(code), name);
        quint8 usage = 0x77;
        QVERIFY(!scanToHid(code, usage));
        QCOMPARE(int(usage), 0x77);
    }

    void usagesOutsideTheTable_data()
    {
        QTest::addColumn<int>("usage");
        QTest::addRow("non-US hash") << 0x32;
        QTest::addRow("non-US backslash") << 0x64;
        QTest::addRow("zero") << 0;
        QTest::addRow("wide") << 0x104;
    }
    void usagesOutsideTheTable()
    {
        QFETCH(int, usage);
        int code = 123;
        QVERIFY(!hidToScan(usage, code));
        QCOMPARE(code, 123);
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
        QTest::addRow("keypad del up") << cap << 0x53u << 0x80u << 0u << 224 << 0x80u;
        QTest::addRow("delete") << cap << 0x53u << 0x01u << 0u << 83 << 0x01u;
        QTest::addRow("delete up") << cap << 0x53u << 0x81u << 0u << 83 << 0x81u;
        QTest::addRow("num lock") << cap << 0x45u << 0x01u << 0u << 225 << 0x01u;
        QTest::addRow("pause") << cap << 0x45u << 0x00u << 0u << 69 << 0x00u;
        QTest::addRow("num slash") << cap << 0x35u << 0x01u << 0u << 226 << 0x01u;
        QTest::addRow("slash") << cap << 0x35u << 0x00u << 0u << 53 << 0x00u;
        QTest::addRow("num star") << cap << 0x37u << 0x00u << 0u << 227 << 0x00u;
        QTest::addRow("print screen") << cap << 0x37u << 0x01u << 0u << 55 << 0x01u;
        QTest::addRow("num 9") << cap << 0x49u << 0x00u << 0u << 228 << 0x00u;
        QTest::addRow("page up") << cap << 0x49u << 0x01u << 0u << 73 << 0x01u;
        QTest::addRow("num enter") << cap << 0x1Cu << 0x01u << 0u << 229 << 0x01u;
        QTest::addRow("enter") << cap << 0x1Cu << 0x00u << 0u << 28 << 0x00u;
        QTest::addRow("num 1") << cap << 0x4Fu << 0x00u << 0u << 230 << 0x00u;
        QTest::addRow("end") << cap << 0x4Fu << 0x01u << 0u << 79 << 0x01u;
        QTest::addRow("num 2") << cap << 0x50u << 0x00u << 0u << 231 << 0x00u;
        QTest::addRow("num 3") << cap << 0x51u << 0x80u << 0u << 232 << 0x80u;
        QTest::addRow("num 4") << cap << 0x4Bu << 0x00u << 0u << 233 << 0x00u;
        QTest::addRow("num 6") << cap << 0x4Du << 0x00u << 0u << 234 << 0x00u;
        QTest::addRow("num 7") << cap << 0x47u << 0x00u << 0u << 235 << 0x00u;
        QTest::addRow("num 8") << cap << 0x48u << 0x00u << 0u << 236 << 0x00u;
        QTest::addRow("num 0") << cap << 0x52u << 0x00u << 0u << 237 << 0x00u;
        QTest::addRow("right ctrl") << cap << 0x1Du << 0x01u << 0u << 238 << 0x01u;
        QTest::addRow("left ctrl") << cap << 0x1Du << 0x00u << 0u << 29 << 0x00u;
        QTest::addRow("num 5 unshared") << cap << 0x4Cu << 0x00u << 0u << 76 << 0x00u;
        QTest::addRow("num minus") << cap << 74u << 0x00u << 0u << 74 << 0x00u;
        QTest::addRow("num plus") << cap << 78u << 0x00u << 0u << 78 << 0x00u;
        // Flag words with other bits set are neither state: the scan code stays.
        QTest::addRow("injected bit") << cap << 0x53u << 0x10u << 0u << 83 << 0x10u;
        QTest::addRow("capture alt held") << cap << 0x4Fu << 0x21u << 0u << 79 << 0x21u;
        QTest::addRow("capture right alt down") << cap << 56u << 0x21u << 0u << 239 << 0x21u;
        QTest::addRow("capture right alt 01") << cap << 56u << 0x01u << 0u << 239 << 0x01u;
        QTest::addRow("capture right alt up") << cap << 56u << 0x81u << 0u << 239 << 0x81u;
        QTest::addRow("capture right alt up alt") << cap << 56u << 0xA1u << 0u << 239 << 0xA1u;
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
        QFETCH(int, code);
        QFETCH(uint, flagsOut);
        const NormalisedKey key = normaliseScanCode(scan, flags, vk, hook);
        QCOMPARE(key.keyCode, code);
        QCOMPARE(uint(key.flags), flagsOut);
    }
};

QTEST_GUILESS_MAIN(KeyCodesTest)
#include "KeyCodesTest.moc"
