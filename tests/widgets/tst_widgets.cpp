#include "TestDataHome.h"
#include "TestMain.h"
#include "TestPictures.h"
#include "look/DisplayScale.h"
#include "look/Language.h"
#include "store/AppSettings.h"
#include "store/DataPaths.h"
#include "widgets/FileDialogs.h"
#include "widgets/MenuStyle.h"
#include "widgets/OrnAction.h"
#include "widgets/OrnLabel.h"
#include "widgets/OrnLineEdit.h"
#include "widgets/OrnListItem.h"
#include "widgets/OrnMenu.h"
#include "widgets/OrnMessageBox.h"
#include "widgets/OrnPopBox.h"
#include "widgets/OrnProfileMenuItem.h"
#include "widgets/OrnPushButton.h"
#include "widgets/OrnSlider.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QSettings>
#include <QSignalSpy>
#include <QTimer>
#include <QToolButton>
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
    QTest::addRow("language size 1.5") << 1.5 << 0 << 0 << 18;
    QTest::addRow("reduced 1.25") << 1.25 << 0 << 2 << 12; // (12 - 2) x 1.25 = 12.5
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

class TestOrnLineEdit : public QObject
{
    Q_OBJECT
private slots:
    void delayEnterStoresUnits_data();
    void delayEnterStoresUnits();
    void delayLostFocusDropsEditAndReturnsFocus();
    void profileItemButtonsAreExclusive();

private:
    TestDataHome m_Home;
};

void TestOrnLineEdit::delayEnterStoresUnits_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("high");
    QTest::addColumn<int>("low");
    QTest::addColumn<QString>("shown");
    QTest::addRow("15 ms rounds down") << QStringLiteral("15") << 0 << 1 << QStringLiteral("10");
    QTest::addRow("0 ms gives one unit") << QStringLiteral("0") << 0 << 1 << QStringLiteral("10");
    QTest::addRow("9 ms gives one unit") << QStringLiteral("9") << 0 << 1 << QStringLiteral("10");
    QTest::addRow("2550 ms") << QStringLiteral("2550") << 0 << 255 << QStringLiteral("2550");
    QTest::addRow("2560 ms carries") << QStringLiteral("2560") << 1 << 0 << QStringLiteral("2560");
    QTest::addRow("largest") << QStringLiteral("655350") << 255 << 255 << QStringLiteral("655350");
}

void TestOrnLineEdit::delayEnterStoresUnits()
{
    QFETCH(QString, typed);
    QFETCH(int, high);
    QFETCH(int, low);
    QFETCH(QString, shown);
    OrnListItem item(6, 0, 5, QStringLiteral("DELAY"));
    QSignalSpy changed(&item, &OrnListItem::DelayChangedSignal);
    item.delayEdit()->setText(typed);
    QTest::keyClick(item.delayEdit(), Qt::Key_Return);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(int(item.dataH()), high);
    QCOMPARE(int(item.dataL()), low);
    QCOMPARE(item.delayEdit()->text(), shown);
}

void TestOrnLineEdit::delayLostFocusDropsEditAndReturnsFocus()
{
    QListWidget list;
    auto* row = new QListWidgetItem(&list);
    auto* item = new OrnListItem(6, 0, 20, QStringLiteral("DELAY"));
    list.setItemWidget(row, item);
    list.show();
    QApplication::setActiveWindow(&list);
    QVERIFY(QTest::qWaitForWindowActive(&list));
    item->delayEdit()->setFocus();
    QTRY_VERIFY(item->delayEdit()->hasFocus());
    item->delayEdit()->setText(QStringLiteral("999"));
    item->lostFocusSlot();
    QCOMPARE(item->delayEdit()->text(), QStringLiteral("200"));
    QCOMPARE(int(item->dataL()), 20);
    QTRY_VERIFY(list.hasFocus());
}

void TestOrnLineEdit::profileItemButtonsAreExclusive()
{
    OrnProfileMenuItem item(QStringLiteral("Profile 1"));
    item.resize(300, 30);
    QCOMPARE(item.checkedIndex(), 0);
    QSignalSpy check(&item, &OrnProfileMenuItem::CheckBtnSignal);

    QTest::mouseClick(item.button(1), Qt::LeftButton);
    QCOMPARE(item.checkedIndex(), 2);
    QVERIFY(!item.button(0)->isChecked() && item.button(1)->isChecked() && !item.button(2)->isChecked());
    QTest::mouseClick(item.button(2), Qt::LeftButton);
    QCOMPARE(item.checkedIndex(), 3);
    QVERIFY(!item.button(1)->isChecked());
    // Choosing the marked one again keeps it marked.
    QTest::mouseClick(item.button(2), Qt::LeftButton);
    QCOMPARE(item.checkedIndex(), 3);
    QCOMPARE(check.count(), 3);
    QVERIFY(!item.button(3));
}

namespace {
const QVector<QColor> kFour = {QColor(10, 0, 0), QColor(0, 20, 0), QColor(0, 0, 30), QColor(40, 40, 40)};

void sendEnter(QWidget* w)
{
    QEvent event(QEvent::Enter);
    QApplication::sendEvent(w, &event);
}

void sendLeave(QWidget* w)
{
    QEvent event(QEvent::Leave);
    QApplication::sendEvent(w, &event);
}

QColor centrePixel(QWidget* w)
{
    return w->grab().toImage().pixelColor(w->width() / 2, w->height() / 2);
}

int g_iWarnings = 0;
void countWarnings(QtMsgType type, const QMessageLogContext&, const QString& msg)
{
    if (type == QtWarningMsg && msg.contains(QLatin1String("skin picture missing")))
        ++g_iWarnings;
}
} // namespace

class TestOrnPushButton : public QObject
{
    Q_OBJECT
private slots:
    void hoverAndPressImages();
    void disabledIgnoresPressesAndShowsFourthImage();
    void checkableToggleAndReenable();
    void maskFollowsFirstImageAndSize();
    void badgeText_data();
    void badgeText();
    void missingPictureIsLoggedOnceAndPaintsFallback();
    void dropDownMenuDoesNotLeavePressedLook();

private:
    TestPictures m_Pictures;
};

void TestOrnPushButton::hoverAndPressImages()
{
    OrnPushButton button(m_Pictures.make(kFour));
    button.resize(20, 20);
    QSignalSpy over(&button, &OrnPushButton::OverSignal);
    QSignalSpy enter(&button, &OrnPushButton::EnterSignal);

    sendEnter(&button);
    QCOMPARE(button.imageIndex(), quint8(1));
    QCOMPARE(over.count(), 1);
    QCOMPARE(over.at(0).at(1).value<quint8>(), quint8(1));
    QCOMPARE(centrePixel(&button), kFour[1]);

    QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(10, 10));
    QCOMPARE(button.imageIndex(), quint8(2));
    QCOMPARE(enter.count(), 1);
    QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(10, 10));
    QCOMPARE(button.imageIndex(), quint8(1));
    // A plain button never becomes checked by clicking.
    QVERIFY(!button.isChecked());

    sendLeave(&button);
    QCOMPARE(button.imageIndex(), quint8(0));
    QCOMPARE(over.count(), 2);
    QCOMPARE(over.at(1).at(1).value<quint8>(), quint8(0));
}

void TestOrnPushButton::disabledIgnoresPressesAndShowsFourthImage()
{
    OrnPushButton button(m_Pictures.make(kFour));
    button.resize(20, 20);
    button.setEnabled(false);
    QCOMPARE(button.imageIndex(), quint8(3));
    QCOMPARE(centrePixel(&button), kFour[3]);

    QSignalSpy enter(&button, &OrnPushButton::EnterSignal);
    QSignalSpy clicked(&button, &QPushButton::clicked);
    QSignalSpy over(&button, &OrnPushButton::OverSignal);
    QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(10, 10));
    sendEnter(&button);
    QCOMPARE(enter.count(), 0);
    QCOMPARE(clicked.count(), 0);
    QCOMPARE(button.imageIndex(), quint8(3));
    // Hovering is still reported, so the caller can highlight the matching callout.
    QCOMPARE(over.count(), 1);
    // Unchecking a disabled button keeps the disabled picture.
    button.setChecked(false);
    QCOMPARE(button.imageIndex(), quint8(3));
}

void TestOrnPushButton::checkableToggleAndReenable()
{
    OrnPushButton button(m_Pictures.make(kFour));
    button.resize(20, 20);
    button.setCheckable(true);
    QSignalSpy enter(&button, &OrnPushButton::EnterSignal);

    sendEnter(&button);
    QCOMPARE(button.imageIndex(), quint8(0)); // hovering does not change a checkable button
    QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(10, 10));
    QVERIFY(button.isChecked());
    QCOMPARE(button.imageIndex(), quint8(2));
    QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(10, 10));
    QVERIFY(!button.isChecked());
    QCOMPARE(button.imageIndex(), quint8(0));
    QCOMPARE(enter.count(), 2);

    button.setChecked(true);
    QCOMPARE(button.imageIndex(), quint8(1));
    button.setEnabled(false);
    QCOMPARE(button.imageIndex(), quint8(3));
    button.setEnabled(true);
    QCOMPARE(button.imageIndex(), quint8(1));
    button.setCheckable(true);
    QCOMPARE(button.imageIndex(), quint8(0));

    // With only two pictures a press toggles the flag but keeps the picture.
    OrnPushButton two(m_Pictures.make({Qt::red, Qt::green}));
    two.setCheckable(true);
    QTest::mouseClick(&two, Qt::LeftButton);
    QVERIFY(two.isChecked());
    QCOMPARE(two.imageIndex(), quint8(0));
}

void TestOrnPushButton::maskFollowsFirstImageAndSize()
{
    QWidget parent;
    OrnPushButton button(m_Pictures.make(kFour, true), &parent);
    parent.show(); // resize events reach visible widgets
    button.resize(40, 40);
    QVERIFY(!button.mask().isEmpty());
    QVERIFY(!button.mask().contains(QPoint(5, 5)));
    QVERIFY(button.mask().contains(QPoint(30, 30)));
    QVERIFY(button.mask().contains(QPoint(25, 5)));

    button.resize(80, 80);
    QVERIFY(!button.mask().contains(QPoint(30, 30)));
    QVERIFY(button.mask().contains(QPoint(60, 60)));

    // Opaque pictures give the full rectangle.
    button.setImages(m_Pictures.make(kFour));
    QVERIFY(button.mask().isEmpty());
}

void TestOrnPushButton::badgeText_data()
{
    QTest::addColumn<int>("badge");
    QTest::addColumn<QString>("text");
    QTest::addRow("none") << 0 << QString();
    QTest::addRow("up") << 253 << QString::fromUtf8("\u2191  ");
    QTest::addRow("down") << 254 << QString::fromUtf8("\u2193  ");
    QTest::addRow("252") << 252 << QStringLiteral("252");
}

void TestOrnPushButton::badgeText()
{
    QFETCH(int, badge);
    QFETCH(QString, text);
    QCOMPARE(OrnPushButton::badgeText(static_cast<quint8>(badge)), text);
}

void TestOrnPushButton::missingPictureIsLoggedOnceAndPaintsFallback()
{
    g_iWarnings = 0;
    const QtMessageHandler previous = qInstallMessageHandler(countWarnings);
    OrnPushButton button({m_Pictures.missing(), m_Pictures.missing()});
    button.resize(50, 20);
    QVERIFY(button.sizeHint().isValid());
    const QImage first = button.grab().toImage();
    button.grab();
    sendEnter(&button);
    button.grab();
    qInstallMessageHandler(previous);
    QCOMPARE(g_iWarnings, 1);
    // The fallback panel is dark, not left blank.
    QCOMPARE(first.pixelColor(25, 10), QColor(40, 40, 40));
}

void TestOrnPushButton::dropDownMenuDoesNotLeavePressedLook()
{
    OrnPushButton button(m_Pictures.make(kFour));
    button.resize(20, 20);
    QMenu menu;
    menu.addAction(QStringLiteral("125 HZ"));
    button.setMenu(&menu);
    button.show();
    QVERIFY(QTest::qWaitForWindowExposed(&button));
    QSignalSpy enter(&button, &OrnPushButton::EnterSignal);
    bool bShown = false;
    QTimer::singleShot(0, &menu, [&] {
        bShown = menu.isVisible();
        // The picture while the menu is open is the pressed one.
        QCOMPARE(button.imageIndex(), quint8(2));
        menu.close();
    });
    QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(10, 10));
    QVERIFY(bShown);
    QCOMPARE(enter.count(), 1);
    QVERIFY(button.imageIndex() != 2);
}

namespace {
void sendMouse(QWidget* w, QEvent::Type type, const QPoint& pos, Qt::MouseButtons buttons)
{
    QMouseEvent event(type, pos, w->mapToGlobal(pos), Qt::LeftButton, buttons, Qt::NoModifier);
    QApplication::sendEvent(w, &event);
}

// The bubble's centre stands over the handle, so pressing there grabs the handle without moving it.
QPoint handleCentre(OrnSlider* slider)
{
    return QPoint(slider->bubbleCentreX(slider->value()), slider->height() / 2);
}
} // namespace

class TestOrnSlider : public QObject
{
    Q_OBJECT
private slots:
    void bubbleFollowsDragAndHidesOnRelease();
    void bubblePositionIsProportional();
};

void TestOrnSlider::bubbleFollowsDragAndHidesOnRelease()
{
    QWidget window;
    window.resize(300, 120);
    auto* slider = new OrnSlider(Qt::Horizontal, &window);
    slider->setGeometry(20, 70, 220, 24);
    slider->setRange(1, 20);
    slider->setValue(7);
    window.show();
    QVERIFY(!slider->bubble()->isVisible());
    slider->setBubbleEnabled(true);
    QSignalSpy change(slider, &OrnSlider::MouseChange);

    const QPoint start = handleCentre(slider);
    sendMouse(slider, QEvent::MouseButtonPress, start, Qt::LeftButton);
    QVERIFY(slider->isDragging());
    QVERIFY(slider->bubble()->isVisible());
    QCOMPARE(slider->bubble()->text(), QStringLiteral("7"));
    const int iStartX = slider->bubble()->geometry().center().x();
    QVERIFY(slider->bubble()->geometry().bottom() < slider->geometry().top());

    sendMouse(slider, QEvent::MouseMove, QPoint(slider->width() - 2, start.y()), Qt::LeftButton);
    QCOMPARE(slider->value(), 20);
    QCOMPARE(slider->bubble()->text(), QStringLiteral("20"));
    QVERIFY(slider->bubble()->geometry().center().x() > iStartX);
    QCOMPARE(change.count(), 0);

    sendMouse(slider, QEvent::MouseButtonRelease, QPoint(slider->width() - 2, start.y()), Qt::NoButton);
    QCOMPARE(change.count(), 1);
    QVERIFY(!slider->isDragging());
    QVERIFY(!slider->bubble()->isVisible());
}

void TestOrnSlider::bubblePositionIsProportional()
{
    QWidget window;
    auto* slider = new OrnSlider(Qt::Horizontal, &window);
    slider->setGeometry(0, 40, 200, 24);
    slider->setRange(0, 100);
    const int iLow = slider->bubbleCentreX(0);
    QVERIFY(qAbs(2 * slider->bubbleCentreX(50) - iLow - slider->bubbleCentreX(100)) <= 1);
    // An empty range must not divide by zero.
    slider->setRange(5, 5);
    QCOMPARE(slider->bubbleCentreX(5), iLow);
    // The bubble goes when its window goes first.
    auto* orphanWindow = new QWidget;
    auto* other = new OrnSlider(Qt::Horizontal, orphanWindow);
    other->setBubbleEnabled(true);
    orphanWindow->show();
    sendMouse(other, QEvent::MouseButtonPress, handleCentre(other), Qt::LeftButton);
    delete orphanWindow;
}

class TestOrnMessageBox : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { qputenv("OSKEN_RUNTIME_DIR", m_Home.path().toLocal8Bit()); }
    void resultByButton_data();
    void resultByButton();
    void plugInWatchRunsFromTheEventLoop();
    void watchWithoutProbeDoesNotPretend();
    void popBoxStoresTypedName();
    void dialogTakesPictureSizeAndOutline();
    void savedNameGetsTheFilterSuffix_data();
    void savedNameGetsTheFilterSuffix();

private:
    TestDataHome m_Home; // no skin here: the boxes must cope with missing pictures
};

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
    box.open();
    QTest::keyClicks(box.lineEdit(), QStringLiteral("FPS 1"));
    QTest::mouseClick(box.findChild<QToolButton*>(QStringLiteral("msgBoxYesBtn")), Qt::LeftButton);
    QCOMPARE(box.result(), 1);
    QCOMPARE(box.name(), QStringLiteral("FPS 1"));
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

int main(int argc, char** argv)
{
    return runTestClasses<QApplication, TestMenuStyle, TestOrnLineEdit, TestOrnPushButton, TestOrnSlider,
                          TestOrnMessageBox>(argc, argv);
}

#include "tst_widgets.moc"
