#include "TestDataHome.h"
#include "look/DisplayScale.h"
#include "look/Language.h"
#include "store/AppSettings.h"
#include "store/DataPaths.h"
#include "widgets/MenuStyle.h"
#include "widgets/OrnAction.h"
#include "widgets/OrnLabel.h"
#include "widgets/OrnMenu.h"
#include "widgets/OrnTranslucentDialog.h"

#include <QSettings>
#include <QSignalSpy>
#include <QtTest>

class TestMenuStyle : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();
    void themeColourPerId_data();
    void themeColourPerId();
    void menuFollowsStoredThemeAndLanguageFont();
    void labelFontAndBackground_data();
    void labelFontAndBackground();
    void labelTextAndPress();
    void sleepOverlayCoversParent();

private:
    TestDataHome m_Home;
};

void TestMenuStyle::initTestCase()
{
    QSettings settings(programConfigPath(), QSettings::IniFormat);
    settings.setValue(QStringLiteral("FONT_LIST/FONT_0"), QStringLiteral("DejaVu Sans"));
    settings.setValue(QStringLiteral("FONT_LIST/FONT_SIZE_0"), 12);
    settings.setValue(QStringLiteral("FONT_LIST/FONT_1"), QStringLiteral("WenQuanYi Micro Hei"));
    settings.setValue(QStringLiteral("FONT_LIST/FONT_SIZE_1"), 14);
    settings.sync();
    QCOMPARE(settings.status(), QSettings::NoError);
}

void TestMenuStyle::cleanup()
{
    look::setDisplayScale(1.0);
    look::setLanguageId(0);
}

void TestMenuStyle::themeColourPerId_data()
{
    QTest::addColumn<int>("colorId");
    QTest::addColumn<QString>("rgb");
    QTest::addRow("0 red") << 0 << QStringLiteral("rgb(255,0,0)");
    QTest::addRow("1 green") << 1 << QStringLiteral("rgb(0,255,0)");
    QTest::addRow("2 blue") << 2 << QStringLiteral("rgb(0,0,255)");
    QTest::addRow("3 yellow") << 3 << QStringLiteral("rgb(255,255,0)");
    QTest::addRow("4 magenta") << 4 << QStringLiteral("rgb(255,0,255)");
    QTest::addRow("5 cyan") << 5 << QStringLiteral("rgb(0,255,255)");
    QTest::addRow("6 orange") << 6 << QStringLiteral("rgb(255,125,0)");
    QTest::addRow("7 outside") << 7 << QStringLiteral("rgb(255,0,0)");
    QTest::addRow("-1 outside") << -1 << QStringLiteral("rgb(255,0,0)");
}

void TestMenuStyle::themeColourPerId()
{
    QFETCH(int, colorId);
    QFETCH(QString, rgb);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(13);
    const QString style = widgets::menuStyleSheet(colorId, font);
    QVERIFY(style.contains(QStringLiteral("QMenu { background-color: rgb(50,50,50);")));
    QVERIFY2(style.contains(QStringLiteral("QMenu::item:selected { background-color: rgb(70,70,70); color: ") + rgb),
             qPrintable(style));
    QVERIFY(style.contains(QStringLiteral("font-family: \"DejaVu Sans\"; font-size: 13px;")));
    // Only the selected entry carries the theme colour: its text and its left mark.
    QCOMPARE(style.count(rgb), 2);
}

void TestMenuStyle::menuFollowsStoredThemeAndLanguageFont()
{
    QVERIFY(writeGColorId(6));
    look::setDisplayScale(1.5);
    OrnMenu menu(QStringLiteral("Profiles"));
    QCOMPARE(menu.text(), QStringLiteral("Profiles"));
    QVERIFY(menu.styleSheet().contains(QStringLiteral("color: rgb(255,125,0)")));
    QVERIFY(menu.styleSheet().contains(QStringLiteral("font-size: 18px"))); // 12 x 1.5
    QCOMPARE(menu.font().pixelSize(), 18);

    auto* action = new OrnAction(QStringLiteral("125 HZ"), &menu);
    QCOMPARE(action->font().family(), QStringLiteral("DejaVu Sans"));
    menu.addAction(action);

    // A theme and language switch made while the menu is closed shows on the next opening.
    QVERIFY(writeGColorId(2));
    look::setLanguageId(1);
    emit menu.aboutToShow();
    QVERIFY(menu.styleSheet().contains(QStringLiteral("color: rgb(0,0,255)")));
    QVERIFY(menu.styleSheet().contains(QStringLiteral("font-family: \"WenQuanYi Micro Hei\"; font-size: 21px")));

    menu.resize(menu.sizeHint());
    const QImage image = menu.grab().toImage();
    QCOMPARE(image.pixelColor(image.width() - 3, image.height() / 2), QColor(50, 50, 50));
}

void TestMenuStyle::labelFontAndBackground_data()
{
    QTest::addColumn<double>("scale");
    QTest::addColumn<int>("fixed");
    QTest::addColumn<int>("reduce");
    QTest::addColumn<int>("pixel");
    QTest::addRow("language size") << 1.0 << 0 << 0 << 12;
    QTest::addRow("language size 1.5") << 1.5 << 0 << 0 << 18;
    QTest::addRow("reduced 1.25") << 1.25 << 0 << 2 << 12; // (12 - 2) x 1.25 = 12.5
    QTest::addRow("fixed 1.75") << 1.75 << 20 << 0 << 35;
    QTest::addRow("fixed reduced 1.25") << 1.25 << 15 << 2 << 16; // 13 x 1.25 = 16.25
}

void TestMenuStyle::labelFontAndBackground()
{
    QFETCH(double, scale);
    QFETCH(int, fixed);
    QFETCH(int, reduce);
    QFETCH(int, pixel);
    look::setDisplayScale(scale);
    OrnLabel label(QStringLiteral("DPI"));
    label.setFixedPixelSize(fixed);
    label.setSizeReduction(reduce);
    QCOMPARE(label.paintFont().pixelSize(), pixel);
    QCOMPARE(label.paintFont().family(), QStringLiteral("DejaVu Sans"));

    label.resize(60, 30);
    label.setText(QString());
    label.setDarkBackground(true);
    QCOMPARE(label.grab().toImage().pixelColor(30, 15), QColor(30, 30, 30));
}

void TestMenuStyle::labelTextAndPress()
{
    OrnLabel label;
    label.setNum(-1600);
    QCOMPARE(label.text(), QStringLiteral("-1600"));
    // QLabel's own text stays empty so it is never painted twice.
    QCOMPARE(static_cast<QLabel&>(label).text(), QString());
    QSignalSpy enter(&label, &OrnLabel::EnterSignal);
    QTest::mouseClick(&label, Qt::LeftButton);
    QCOMPARE(enter.count(), 1);
    QCOMPARE(enter.at(0).at(0).value<OrnLabel*>(), &label);
}

void TestMenuStyle::sleepOverlayCoversParent()
{
    QWidget window;
    window.resize(400, 300);
    auto* overlay = new OrnTranslucentDialog(&window);
    window.show();
    QCOMPARE(overlay->geometry(), QRect(0, 0, 400, 300));
    window.resize(999, 640);
    QCOMPARE(overlay->geometry(), QRect(0, 0, 999, 640));
    QCOMPARE(overlay->labelText(), QStringLiteral("Mouse Sleep"));
}

QTEST_MAIN(TestMenuStyle)
#include "tst_MenuStyle.moc"
