#include "TestPictures.h"
#include "widgets/OrnPushButton.h"

#include <QApplication>
#include <QMenu>
#include <QSignalSpy>
#include <QtTest>

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
    void firstLeaveWithoutEnterIsSilent();
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
    QSignalSpy clicked(&button, &QPushButton::clicked);

    sendEnter(&button);
    QCOMPARE(button.imageIndex(), quint8(1));
    QCOMPARE(over.count(), 1);
    QCOMPARE(over.at(0).at(1).value<quint8>(), quint8(1));
    QCOMPARE(centrePixel(&button), kFour[1]);

    QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(10, 10));
    QCOMPARE(button.imageIndex(), quint8(2));
    QCOMPARE(enter.count(), 1);
    QCOMPARE(enter.at(0).at(0).value<OrnPushButton*>(), &button);
    QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(10, 10));
    QCOMPARE(button.imageIndex(), quint8(1));
    QCOMPARE(clicked.count(), 1);
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

void TestOrnPushButton::firstLeaveWithoutEnterIsSilent()
{
    OrnPushButton button(m_Pictures.make(kFour));
    QSignalSpy over(&button, &OrnPushButton::OverSignal);
    sendLeave(&button);
    QCOMPARE(over.count(), 0);
    sendEnter(&button);
    sendLeave(&button);
    sendLeave(&button);
    QCOMPARE(over.count(), 2);
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
    QTest::addRow("one") << 1 << QStringLiteral("1");
    QTest::addRow("up") << 253 << QString::fromUtf8("\u2191  ");
    QTest::addRow("down") << 254 << QString::fromUtf8("\u2193  ");
    QTest::addRow("252") << 252 << QStringLiteral("252");
    QTest::addRow("255") << 255 << QStringLiteral("255");
}

void TestOrnPushButton::badgeText()
{
    QFETCH(int, badge);
    QFETCH(QString, text);
    QCOMPARE(OrnPushButton::badgeText(static_cast<quint8>(badge)), text);
    OrnPushButton button(QStringList{});
    QCOMPARE(button.badge(), quint8(0));
    button.setBadge(static_cast<quint8>(badge));
    QCOMPARE(button.badge(), quint8(badge));
    button.resize(60, 20);
    QVERIFY(!button.grab().isNull());
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

QTEST_MAIN(TestOrnPushButton)
#include "tst_OrnPushButton.moc"
