#include "widgets/OrnLabel.h"
#include "widgets/OrnSlider.h"

#include <QApplication>
#include <QSignalSpy>
#include <QtTest>

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
    void bubbleOffStillSignalsRelease();
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

void TestOrnSlider::bubbleOffStillSignalsRelease()
{
    QWidget window;
    auto* slider = new OrnSlider(Qt::Horizontal, &window);
    slider->setGeometry(0, 40, 200, 24);
    window.show();
    QSignalSpy change(slider, &OrnSlider::MouseChange);
    sendMouse(slider, QEvent::MouseButtonPress, handleCentre(slider), Qt::LeftButton);
    QVERIFY(!slider->bubble()->isVisible());
    sendMouse(slider, QEvent::MouseButtonRelease, handleCentre(slider), Qt::NoButton);
    QCOMPARE(change.count(), 1);
}

void TestOrnSlider::bubblePositionIsProportional()
{
    QWidget window;
    auto* slider = new OrnSlider(Qt::Horizontal, &window);
    slider->setGeometry(0, 40, 200, 24);
    slider->setRange(0, 100);
    const int iLow = slider->bubbleCentreX(0);
    const int iMid = slider->bubbleCentreX(50);
    const int iHigh = slider->bubbleCentreX(100);
    QVERIFY(iLow < iMid && iMid < iHigh);
    QVERIFY(qAbs((iMid - iLow) - (iHigh - iMid)) <= 1);
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

QTEST_MAIN(TestOrnSlider)
#include "tst_OrnSlider.moc"
