#include "platform/keyhook/KeyboardHook.h"
#include "platform/keyhook/linux/NativeKeyMap.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QtTest>

#include <vector>

using namespace platform;

static QKeyEvent keyEvent(QEvent::Type type, quint32 native, bool bRepeat = false)
{
    return QKeyEvent(type, Qt::Key_unknown, Qt::NoModifier, native, 0, 0, QString(), bRepeat);
}

class TestKeyHook : public QObject
{
    Q_OBJECT
private slots:
    // xcb key code = evdev + 8
    void nativeKeys_data()
    {
        QTest::addColumn<quint32>("native");
        QTest::addColumn<quint32>("scanCode");
        QTest::addColumn<bool>("extended");
        QTest::addColumn<quint32>("virtualKey");
        QTest::addRow("A") << 38u << 0x1Eu << false << 0x41u;
        QTest::addRow("right Ctrl") << 105u << 0x1Du << true << 0xA3u;
        QTest::addRow("End") << 115u << 0x4Fu << true << 0x23u;
        QTest::addRow("keypad Del") << 91u << 0x53u << false << 0x6Eu;
        QTest::addRow("Num Lock") << 77u << 0x45u << true << 0x90u;
        QTest::addRow("Pause") << 127u << 0x45u << false << 0x13u;
        QTest::addRow("keypad Enter") << 104u << 0x1Cu << true << 0x0Du;
    }

    void nativeKeys()
    {
        QFETCH(quint32, native);
        Set1Key key;
        QVERIFY(set1KeyFromNative(native, key));
        QFETCH(quint32, scanCode);
        QFETCH(quint32, virtualKey);
        QCOMPARE(key.scanCode, scanCode);
        QTEST(key.bExtended, "extended");
        QCOMPARE(key.virtualKey, virtualKey);
    }

    void unknownKeys()
    {
        Set1Key key{7, true, 9};
        QVERIFY(!set1KeyFromNative(0, key));      // synthetic events carry no scan code
        QVERIFY(!set1KeyFromNative(7, key));      // below the xcb offset
        QVERIFY(!set1KeyFromNative(8 + 84, key)); // no key at evdev 84
        QVERIFY(!set1KeyFromNative(100000, key));
        QCOMPARE(key.scanCode, 7u); // untouched
    }

    void filterHandsOnAndSwallows()
    {
        QLineEdit edit;
        std::vector<RawKeyEvent> seen;
        bool bSwallow = true;
        auto hook = makeKeyboardHook();
        QVERIFY(hook->install([&](const RawKeyEvent& raw) {
            seen.push_back(raw);
            return bSwallow;
        }));

        QKeyEvent pressA(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, 38, 0x61, 0, QStringLiteral("a"));
        QCoreApplication::sendEvent(&edit, &pressA);
        QCOMPARE(edit.text(), QString()); // swallowed
        QKeyEvent releaseEnd = keyEvent(QEvent::KeyRelease, 115);
        QCoreApplication::sendEvent(&edit, &releaseEnd);
        QKeyEvent repeat = keyEvent(QEvent::KeyPress, 38, true);
        QCoreApplication::sendEvent(&edit, &repeat);

        QCOMPARE(seen.size(), size_t(3));
        QCOMPARE(seen[0].scanCode, 0x1Eu);
        QCOMPARE(seen[0].flags, 0u);
        QVERIFY(seen[0].bPressed);
        QCOMPARE(seen[1].scanCode, 0x4Fu);
        QCOMPARE(seen[1].flags, 0x81u); // released, extended
        QVERIFY(!seen[1].bPressed);
        QVERIFY(seen[2].bAutoRepeat);

        bSwallow = false;
        QKeyEvent pressB(QEvent::KeyPress, Qt::Key_B, Qt::NoModifier, 56, 0x62, 0, QStringLiteral("b"));
        QCoreApplication::sendEvent(&edit, &pressB);
        QCOMPARE(edit.text(), QStringLiteral("b")); // passed on

        hook->uninstall();
        QKeyEvent pressC(QEvent::KeyPress, Qt::Key_C, Qt::NoModifier, 54, 0x63, 0, QStringLiteral("c"));
        QCoreApplication::sendEvent(&edit, &pressC);
        QCOMPARE(seen.size(), size_t(4));
    }

    void altDownFlag()
    {
        QWidget widget;
        std::vector<quint32> flags;
        auto hook = makeKeyboardHook();
        hook->install([&](const RawKeyEvent& raw) {
            flags.push_back(raw.flags);
            return true;
        });
        const std::pair<QEvent::Type, quint32> keys[] = {
            {QEvent::KeyPress, 108},   // right Alt down: 0x21
            {QEvent::KeyPress, 38},    // A with Alt held: 0x20
            {QEvent::KeyRelease, 38},  // 0xA0
            {QEvent::KeyRelease, 108}, // right Alt up: 0x81
            {QEvent::KeyPress, 64},    // left Alt down: 0x20
            {QEvent::KeyRelease, 64},  // 0x80
        };
        for (const auto& key : keys) {
            QKeyEvent event = keyEvent(key.first, key.second);
            QCoreApplication::sendEvent(&widget, &event);
        }
        QCOMPARE(flags, (std::vector<quint32>{0x21, 0x20, 0xA0, 0x81, 0x20, 0x80}));
    }

    void lastInstalledGetsEachKeyOnce()
    {
        QWidget parent;
        QWidget* child = new QWidget(&parent);
        int iFirst = 0;
        int iSecond = 0;
        auto first = makeKeyboardHook();
        first->install([&](const RawKeyEvent&) {
            ++iFirst;
            return false;
        });
        auto second = makeKeyboardHook();
        second->install([&](const RawKeyEvent&) {
            ++iSecond;
            return false;
        });
        // A plain widget ignores the key, so the application hands the same event to the parent as well.
        QKeyEvent press = keyEvent(QEvent::KeyPress, 38);
        QCoreApplication::sendEvent(child, &press);
        QCOMPARE(iFirst, 0);
        QCOMPARE(iSecond, 1);
        second.reset(); // destruction uninstalls; the first one takes over
        QKeyEvent release = keyEvent(QEvent::KeyRelease, 38);
        QCoreApplication::sendEvent(child, &release);
        QCOMPARE(iFirst, 1);
        QCOMPARE(iSecond, 1);
    }
};

QTEST_MAIN(TestKeyHook)
#include "tst_keyhook.moc"
