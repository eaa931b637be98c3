#include "TestDataHome.h"
#include "look/DisplayScale.h"
#include "widgets/FileDialogs.h"
#include "widgets/OrnLineEdit.h"
#include "widgets/OrnMessageBox.h"
#include "widgets/OrnPopBox.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

class TestOrnMessageBox : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { qputenv("OSKEN_RUNTIME_DIR", m_Home.path().toLocal8Bit()); }
    void buttonsByKind_data();
    void buttonsByKind();
    void resultByButton_data();
    void resultByButton();
    void textsAndFlags();
    void plugInWatchClosesWithResultOne();
    void plugInWatchRunsFromTheEventLoop();
    void watchWithoutProbeDoesNotPretend();
    void popBoxStoresTypedName();
    void dialogTakesPictureSizeAndOutline();
    void savedNameGetsTheFilterSuffix_data();
    void savedNameGetsTheFilterSuffix();

private:
    TestDataHome m_Home; // no skin here: the boxes must cope with missing pictures
};

void TestOrnMessageBox::buttonsByKind_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("yesText");
    QTest::addColumn<bool>("hasNo");
    QTest::addRow("question") << 1 << QStringLiteral("Yes") << true;
    QTest::addRow("warning") << 2 << QStringLiteral("Ok") << false;
    QTest::addRow("other kind") << 0 << QStringLiteral("Ok") << false;
    QTest::addRow("out of range") << 99 << QStringLiteral("Ok") << false;
}

void TestOrnMessageBox::buttonsByKind()
{
    QFETCH(int, kind);
    QFETCH(QString, yesText);
    QFETCH(bool, hasNo);
    OrnMessageBox box(kind, QStringLiteral("main"), QStringLiteral("Warning"), QStringLiteral("second"));
    auto* yes = box.findChild<QToolButton*>(QStringLiteral("msgBoxYesBtn"));
    QVERIFY(yes);
    QCOMPARE(yes->text(), yesText);
    auto* no = box.findChild<QToolButton*>(QStringLiteral("msgBoxNoBtn"));
    QCOMPARE(no != nullptr, hasNo);
    if (no)
        QCOMPARE(no->text(), QStringLiteral("No"));
    QCOMPARE(box.findChildren<QToolButton*>().size(), hasNo ? 2 : 1);
}

void TestOrnMessageBox::resultByButton_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("result");
    QTest::addRow("yes") << 1 << QStringLiteral("msgBoxYesBtn") << 1;
    QTest::addRow("no") << 1 << QStringLiteral("msgBoxNoBtn") << 0;
    QTest::addRow("ok") << 2 << QStringLiteral("msgBoxYesBtn") << 1;
}

void TestOrnMessageBox::resultByButton()
{
    QFETCH(int, kind);
    QFETCH(QString, button);
    QFETCH(int, result);
    OrnMessageBox box(kind, QStringLiteral("main"), QStringLiteral("Warning"), QString());
    box.open();
    QVERIFY(box.isVisible());
    box.setResult(-1);
    auto* target = box.findChild<QToolButton*>(button);
    QVERIFY(target);
    QTest::mouseClick(target, Qt::LeftButton);
    QCOMPARE(box.result(), result);
    QVERIFY(!box.isVisible());
}

void TestOrnMessageBox::textsAndFlags()
{
    OrnMessageBox box(2, QStringLiteral("NO MOUSE DETECTED!"), QStringLiteral("Warning"), QStringLiteral("detail"),
                      nullptr, false, Qt::WindowFlags(0x800));
    QCOMPARE(box.findChild<QLabel*>(QStringLiteral("msgBoxInfoLabel1"))->text(), QStringLiteral("NO MOUSE DETECTED!"));
    QCOMPARE(box.findChild<QLabel*>(QStringLiteral("msgBoxInfoLabel2"))->text(), QStringLiteral("detail"));
    QCOMPARE(box.windowTitle(), QStringLiteral("Warning"));
    QVERIFY(!box.isWatching());
    QVERIFY(!box.grab().isNull());
}

void TestOrnMessageBox::plugInWatchClosesWithResultOne()
{
    bool bPlugged = false;
    OrnMessageBox box(2, QStringLiteral("NO MOUSE DETECTED!"), QStringLiteral("Warning"), QString(), nullptr, true,
                      Qt::FramelessWindowHint, [&bPlugged] { return bPlugged; });
    QVERIFY(box.isWatching());
    auto* timer = box.findChild<QTimer*>();
    QVERIFY(timer);
    QCOMPARE(timer->interval(), 100);
    box.open();
    box.setResult(-1);

    box.GetPlugInSignal();
    QVERIFY(box.isVisible());
    QCOMPARE(box.result(), -1);

    bPlugged = true;
    box.GetPlugInSignal();
    QVERIFY(!box.isVisible());
    QCOMPARE(box.result(), 1);
    QVERIFY(!box.isWatching());
}

void TestOrnMessageBox::plugInWatchRunsFromTheEventLoop()
{
    bool bPlugged = false;
    int iAsked = 0;
    OrnMessageBox box(2, QStringLiteral("NO MOUSE DETECTED!"), QStringLiteral("Warning"), QString(), nullptr, true,
                      Qt::FramelessWindowHint, [&] {
                          // The receiver arrives after the box has asked a couple of times.
                          if (++iAsked == 2)
                              bPlugged = true;
                          return bPlugged;
                      });
    QCOMPARE(box.exec(), 1);
    QCOMPARE(iAsked, 2);
}

void TestOrnMessageBox::watchWithoutProbeDoesNotPretend()
{
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("without a probe")));
    OrnMessageBox box(2, QStringLiteral("x"), QStringLiteral("Warning"), QString(), nullptr, true);
    QVERIFY(!box.isWatching());
    box.open();
    box.GetPlugInSignal();
    QVERIFY(box.isVisible());
}

void TestOrnMessageBox::popBoxStoresTypedName()
{
    OrnPopBox box(QStringLiteral("Please input a name"));
    QCOMPARE(box.findChild<QLabel*>(QStringLiteral("msgBoxInfoLabel2"))->text(), QStringLiteral("Please input a name"));
    box.open();
    QTest::keyClicks(box.lineEdit(), QStringLiteral("FPS 1"));
    QCOMPARE(box.name(), QStringLiteral("FPS 1"));
    QTest::mouseClick(box.findChild<QToolButton*>(QStringLiteral("msgBoxYesBtn")), Qt::LeftButton);
    QCOMPARE(box.result(), 1);
    QCOMPARE(box.name(), QStringLiteral("FPS 1"));

    OrnPopBox cancelled(QStringLiteral("Please input a name"));
    cancelled.open();
    QTest::mouseClick(cancelled.findChild<QToolButton*>(QStringLiteral("msgBoxNoBtn")), Qt::LeftButton);
    QCOMPARE(cancelled.result(), 0);
}

void TestOrnMessageBox::dialogTakesPictureSizeAndOutline()
{
    // Without the picture: the plain panel at its fallback size, still fixed.
    {
        OrnMessageBox box(2, QStringLiteral("x"), QStringLiteral("Warning"), QString());
        QCOMPARE(box.size(), QSize(360, 200));
        QVERIFY(box.mask().isEmpty());
    }
    // A 40 x 20 picture with its top-left 10 x 10 cut away, at scale 1.5.
    QImage picture(40, 20, QImage::Format_ARGB32);
    picture.fill(QColor(20, 20, 20));
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x)
            picture.setPixelColor(x, y, Qt::transparent);
    QDir().mkpath(m_Home.path() + QStringLiteral("/skin"));
    QVERIFY(picture.save(m_Home.path() + QStringLiteral("/skin/dlg.png")));
    look::setDisplayScale(1.5);
    OrnPopBox box(QStringLiteral("name"));
    look::setDisplayScale(1.0);
    QCOMPARE(box.size(), QSize(60, 30));
    QCOMPARE(box.minimumSize(), box.maximumSize());
    QVERIFY(!box.mask().contains(QPoint(5, 5)));
    QVERIFY(box.mask().contains(QPoint(20, 20)));
    QVERIFY(box.mask().contains(QPoint(55, 5)));
}

void TestOrnMessageBox::savedNameGetsTheFilterSuffix_data()
{
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("saved");
    QTest::addRow("profile") << "Profile File(*.prof)"
                             << "r5_slot1"
                             << "r5_slot1.prof";
    QTest::addRow("macro") << "Macro File(*.MSMACRO)"
                           << "burst"
                           << "burst.MSMACRO";
    QTest::addRow("suffix typed") << "Config File(*.conf)"
                                  << "all.conf"
                                  << "all.conf";
}

// A name typed without a suffix is saved with the filter's, or IMPORT would not list the file.
void TestOrnMessageBox::savedNameGetsTheFilterSuffix()
{
    QFETCH(QString, filter);
    QFETCH(QString, typed);
    QFETCH(QString, saved);
    const QString dir = m_Home.path();
    bool bNative = true;
    QTimer::singleShot(100, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        bNative = dialog->testOption(QFileDialog::DontUseNativeDialog) == false;
        dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(typed);
        QMetaObject::invokeMethod(dialog, "accept");
    });
    QCOMPARE(widgets::saveFileName(nullptr, QStringLiteral("Save"), filter, dir), dir + QLatin1Char('/') + saved);
    QVERIFY(!bNative); // the toolkit's own dialog, in the program's style and language
}

QTEST_MAIN(TestOrnMessageBox)
#include "tst_OrnMessageBox.moc"
