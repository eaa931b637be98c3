#include "TestDataHome.h"
#include "TestMain.h"
#include "look/DisplayScale.h"
#include "widgets/FileDialogs.h"
#include "widgets/OrnLineEdit.h"
#include "widgets/OrnListItem.h"
#include "widgets/OrnMessageBox.h"
#include "widgets/OrnPopBox.h"
#include "widgets/OrnPushButton.h"
#include "widgets/OrnSlider.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QSignalSpy>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

namespace {

// A picture, solid or with its top-left quarter transparent, so that a mask has something to follow.
void savePicture(const QString& path, QSize size, const QColor& color, bool bCutCorner = false)
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(color);
    for (int y = 0; bCutCorner && y < size.height() / 2; ++y)
        for (int x = 0; x < size.width() / 2; ++x)
            image.setPixelColor(x, y, Qt::transparent);
    image.save(path);
}

const QVector<QColor> kFour = {QColor(10, 0, 0), QColor(0, 20, 0), QColor(0, 0, 30), QColor(40, 40, 40)};

void sendEvent(QWidget* w, QEvent::Type type)
{
    QEvent event(type);
    QApplication::sendEvent(w, &event);
}

void sendMouse(QWidget* w, QEvent::Type type, const QPoint& pos, Qt::MouseButtons buttons)
{
    QMouseEvent event(type, pos, w->mapToGlobal(pos), Qt::LeftButton, buttons, Qt::NoModifier);
    QApplication::sendEvent(w, &event);
}

int g_iWarnings = 0;
void countWarnings(QtMsgType type, const QMessageLogContext&, const QString& msg)
{
    if (type == QtWarningMsg && msg.contains(QLatin1String("skin picture missing")))
        ++g_iWarnings;
}

} // namespace

class TestEditFields : public QObject
{
    Q_OBJECT
private slots:
    // A macro delay is typed in ms and kept in 10 ms units, two bytes.
    void delayEnterStoresUnits_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("high");
        QTest::addColumn<int>("low");
        QTest::addColumn<QString>("shown");
        QTest::addRow("15 ms rounds down") << "15" << 0 << 1 << "10";
        QTest::addRow("0 ms gives one unit") << "0" << 0 << 1 << "10";
        QTest::addRow("2560 ms carries") << "2560" << 1 << 0 << "2560";
        QTest::addRow("largest") << "655350" << 255 << 255 << "655350";
    }
    void delayEnterStoresUnits()
    {
        QFETCH(QString, typed);
        OrnListItem item(6, 0, 5, QStringLiteral("DELAY"));
        QSignalSpy changed(&item, &OrnListItem::DelayChangedSignal);
        item.delayEdit()->setText(typed);
        QTest::keyClick(item.delayEdit(), Qt::Key_Return);
        QCOMPARE(changed.count(), 1);
        QTEST(int(item.dataH()), "high");
        QTEST(int(item.dataL()), "low");
        QTEST(item.delayEdit()->text(), "shown");
    }

    // Leaving the field drops the typed value and gives the focus back to the list.
    void delayLostFocusDropsEdit()
    {
        QListWidget list;
        auto* item = new OrnListItem(6, 0, 20, QStringLiteral("DELAY"));
        list.setItemWidget(new QListWidgetItem(&list), item);
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

    void sliderBubbleFollowsDrag()
    {
        QWidget window;
        window.resize(300, 120);
        auto* slider = new OrnSlider(Qt::Horizontal, &window);
        slider->setGeometry(20, 70, 220, 24);
        slider->setRange(1, 20);
        slider->setValue(7);
        window.show();
        slider->setBubbleEnabled(true);
        QSignalSpy change(slider, &OrnSlider::MouseChange);

        // The bubble stands over the handle, so pressing there grabs the handle without moving it.
        const QPoint start(slider->bubbleCentreX(slider->value()), slider->height() / 2);
        sendMouse(slider, QEvent::MouseButtonPress, start, Qt::LeftButton);
        QVERIFY(slider->bubble()->isVisible());
        QCOMPARE(slider->bubble()->text(), QStringLiteral("7"));
        const int iStartX = slider->bubble()->geometry().center().x();
        const QPoint end(slider->width() - 2, start.y());
        sendMouse(slider, QEvent::MouseMove, end, Qt::LeftButton);
        QCOMPARE(slider->bubble()->text(), QStringLiteral("20"));
        QVERIFY(slider->bubble()->geometry().center().x() > iStartX);
        QCOMPARE(change.count(), 0); // the value goes out once, at the release
        sendMouse(slider, QEvent::MouseButtonRelease, end, Qt::NoButton);
        QCOMPARE(change.count(), 1);
        QVERIFY(!slider->bubble()->isVisible());

        // An empty range must not divide by zero; the bubble goes when its window goes first.
        slider->setRange(5, 5);
        (void)slider->bubbleCentreX(5);
        auto* orphanWindow = new QWidget;
        auto* other = new OrnSlider(Qt::Horizontal, orphanWindow);
        other->setBubbleEnabled(true);
        orphanWindow->show();
        sendMouse(other, QEvent::MouseButtonPress, QPoint(other->bubbleCentreX(0), 5), Qt::LeftButton);
        delete orphanWindow;
    }
};

class TestOrnPushButton : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        m_pictures.clear();
        for (int i = 0; i < kFour.size(); ++i) {
            m_pictures << m_dir.filePath(QString("pic%1.png").arg(i));
            savePicture(m_pictures.last(), QSize(20, 20), kFour[i]);
        }
    }

    // Pictures: 0 normal, 1 hover, 2 pressed, 3 disabled. Steps on the button, then the picture after each.
    void pictureFollowsTheButton_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("pictures");
        QTest::addRow("hover and press") << QStringList{"enter", "press", "release", "leave"} << "1 2 1 0";
        // Hovering is still reported when disabled, so the caller can highlight the matching callout.
        QTest::addRow("disabled") << QStringList{"disable", "press", "release", "enter", "uncheck"} << "3 3 3 3 3";
        QTest::addRow("checkable") << QStringList{"checkable", "enter",   "click",  "click",
                                                  "check",     "disable", "enable", "checkable"}
                                   << "0 0 2 0 1 3 1 0";
        QTest::addRow("two pictures") << QStringList{"two", "checkable", "click"} << "0 0 0";
    }
    void pictureFollowsTheButton()
    {
        QFETCH(QStringList, steps);
        OrnPushButton button(steps.first() == "two" ? m_pictures.mid(0, 2) : m_pictures);
        button.resize(20, 20);
        QSignalSpy over(&button, &OrnPushButton::OverSignal);
        QSignalSpy enter(&button, &OrnPushButton::EnterSignal);
        QStringList pictures;
        for (const QString& step : steps) {
            if (step == "enter" || step == "leave")
                sendEvent(&button, step == "enter" ? QEvent::Enter : QEvent::Leave);
            else if (step == "press")
                QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(10, 10));
            else if (step == "release")
                QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(10, 10));
            else if (step == "click")
                QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(10, 10));
            else if (step == "check" || step == "uncheck")
                button.setChecked(step == "check");
            else if (step == "disable" || step == "enable")
                button.setEnabled(step == "enable");
            else if (step == "checkable")
                button.setCheckable(true);
            pictures << QString::number(button.imageIndex());
        }
        QTEST(pictures.join(' '), "pictures");
        // A press on an enabled button is announced; hovering always is, with the picture it shows.
        const bool bEnabled = !steps.contains("disable") || steps.contains("enable");
        QCOMPARE(enter.count(), bEnabled ? steps.count("press") + steps.count("click") : 0);
        QCOMPARE(over.count(), steps.count("enter") + steps.count("leave"));
        if (steps.first() == "two")
            QVERIFY(button.isChecked());
        else
            QCOMPARE(button.grab().toImage().pixelColor(10, 10), kFour[button.imageIndex()]);
    }

    void maskFollowsFirstImageAndSize()
    {
        const QString cut = m_dir.filePath("cut.png");
        savePicture(cut, QSize(20, 20), kFour[0], true);
        QWidget parent;
        OrnPushButton button(QStringList{cut} + m_pictures.mid(1), &parent);
        parent.show(); // resize events reach visible widgets
        button.resize(40, 40);
        QVERIFY(!button.mask().contains(QPoint(5, 5)));
        QVERIFY(button.mask().contains(QPoint(30, 30)));
        QVERIFY(button.mask().contains(QPoint(25, 5)));
        button.resize(80, 80);
        QVERIFY(!button.mask().contains(QPoint(30, 30)));
        QVERIFY(button.mask().contains(QPoint(60, 60)));
        // Opaque pictures give the full rectangle.
        button.setImages(m_pictures);
        QVERIFY(button.mask().isEmpty());
    }

    void missingPictureIsLoggedOnceAndPaintsFallback()
    {
        g_iWarnings = 0;
        const QtMessageHandler previous = qInstallMessageHandler(countWarnings);
        const QString missing = m_dir.filePath("does-not-exist.png");
        OrnPushButton button({missing, missing});
        button.resize(50, 20);
        const QImage first = button.grab().toImage();
        sendEvent(&button, QEvent::Enter);
        button.grab();
        qInstallMessageHandler(previous);
        QCOMPARE(g_iWarnings, 1);
        // The fallback panel is dark, not left blank.
        QCOMPARE(first.pixelColor(25, 10), QColor(40, 40, 40));
    }

    void dropDownMenuDoesNotLeavePressedLook()
    {
        OrnPushButton button(m_pictures);
        button.resize(20, 20);
        QMenu menu;
        menu.addAction(QStringLiteral("125 HZ"));
        button.setMenu(&menu);
        button.show();
        QVERIFY(QTest::qWaitForWindowExposed(&button));
        bool bShown = false;
        QTimer::singleShot(0, &menu, [&] {
            bShown = menu.isVisible();
            QCOMPARE(button.imageIndex(), quint8(2)); // pressed while the menu is open
            menu.close();
        });
        QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(10, 10));
        QVERIFY(bShown);
        QVERIFY(button.imageIndex() != 2);
    }

private:
    QTemporaryDir m_dir;
    QStringList m_pictures;
};

class TestOrnMessageBox : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { qputenv("OSKEN_RUNTIME_DIR", m_home.path().toLocal8Bit()); }

    void resultByButton_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("result");
        QTest::addRow("yes") << 1 << "msgBoxYesBtn" << 1;
        QTest::addRow("no") << 1 << "msgBoxNoBtn" << 0;
        QTest::addRow("ok") << 2 << "msgBoxYesBtn" << 1;
    }
    void resultByButton()
    {
        QFETCH(int, kind);
        QFETCH(QString, button);
        OrnMessageBox box(kind, QStringLiteral("main"), QStringLiteral("Warning"), QString());
        box.open();
        box.setResult(-1);
        QTest::mouseClick(box.findChild<QToolButton*>(button), Qt::LeftButton);
        QTEST(box.result(), "result");
        QVERIFY(!box.isVisible());
    }

    void plugInWatchRunsFromTheEventLoop()
    {
        int iAsked = 0;
        OrnMessageBox box(2, QStringLiteral("NO MOUSE DETECTED!"), QStringLiteral("Warning"), QString(), nullptr, true,
                          Qt::FramelessWindowHint, [&] { return ++iAsked == 2; });
        QCOMPARE(box.exec(), 1);
        QCOMPARE(iAsked, 2);
    }

    // The box takes its size and outline from its picture, scaled; without one, a plain fixed panel.
    void dialogTakesPictureSizeAndOutline()
    {
        {
            OrnMessageBox box(2, QStringLiteral("x"), QStringLiteral("Warning"), QString());
            QCOMPARE(box.size(), QSize(360, 200));
        }
        QDir().mkpath(m_home.path() + "/skin");
        savePicture(m_home.path() + "/skin/dlg.png", QSize(40, 20), QColor(20, 20, 20), true);
        look::setDisplayScale(1.5);
        OrnPopBox box(QStringLiteral("name"));
        look::setDisplayScale(1.0);
        QCOMPARE(box.size(), QSize(60, 30));
        QCOMPARE(box.minimumSize(), box.maximumSize());
        QVERIFY(!box.mask().contains(QPoint(5, 5)));
        QVERIFY(box.mask().contains(QPoint(55, 5)));
    }

    // A name typed without a suffix is saved with the filter's, or IMPORT would not list the file.
    void savedNameGetsTheFilterSuffix_data()
    {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("saved");
        QTest::addRow("profile") << "Profile File(*.prof)" << QString("r5_slot1") << "r5_slot1.prof";
        QTest::addRow("macro") << "Macro File(*.MSMACRO)" << QString("burst") << "burst.MSMACRO";
        QTest::addRow("suffix typed") << "Config File(*.conf)" << QString("all.conf") << "all.conf";
    }
    void savedNameGetsTheFilterSuffix()
    {
        QFETCH(QString, filter);
        QFETCH(QString, typed);
        QFETCH(QString, saved);
        bool bNative = true;
        QTimer::singleShot(100, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            bNative = !dialog->testOption(QFileDialog::DontUseNativeDialog);
            dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(typed);
            QMetaObject::invokeMethod(dialog, "accept");
        });
        QCOMPARE(widgets::saveFileName(nullptr, "Save", filter, m_home.path()), m_home.path() + '/' + saved);
        QVERIFY(!bNative); // the toolkit's own dialog, in the program's style and language
    }

private:
    TestDataHome m_home; // no skin here: the boxes must cope with missing pictures
};

int main(int argc, char** argv)
{
    return runTestClasses<QApplication, TestEditFields, TestOrnPushButton, TestOrnMessageBox>(argc, argv);
}

#include "tst_widgets.moc"
