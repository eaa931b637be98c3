#include "editors/ui/OrnColorArea.h"

#include "TestDataHome.h"
#include "look/DisplayScale.h"
#include "editors/ui/DefaultColorArea.h"
#include "editors/ui/HColorArea.h"
#include "editors/ui/PreviewColorArea.h"
#include "editors/ui/SVColorArea.h"
#include "widgets/OrnLineEdit.h"

#include <QSignalSpy>
#include <QSpinBox>
#include <QtTest>

namespace {
enum Box
{
    kH,
    kS,
    kV,
    kR,
    kG,
    kB
};

QList<int> boxes(const OrnColorArea& dialog)
{
    QList<int> values;
    for (int i = 0; i < 6; ++i)
        values << dialog.spinBox(i)->value();
    return values;
}
} // namespace

class ColorDialogTest : public QObject
{
    Q_OBJECT
private slots:
    void cleanup();
    void hexFieldIsCompletedWhenEditingEnds_data();
    void hexFieldIsCompletedWhenEditingEnds();
    void whitePresetSetsAllBoxes();
    void setColorShowsItEverywhere();
    void squareReachesFullSaturationAtEveryScale_data();
    void squareReachesFullSaturationAtEveryScale();
    void hueStripMovesTheHue();
    void boxesFeedEachOther();

private:
    TestDataHome m_Home;
};

void ColorDialogTest::cleanup()
{
    look::setDisplayScale(1.0);
}

void ColorDialogTest::hexFieldIsCompletedWhenEditingEnds_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QColor>("color");
    QTest::addRow("three digits") << "f0a"
                                  << "ff00aa" << QColor(255, 0, 170);
    QTest::addRow("one digit") << "7"
                               << "000007" << QColor(0, 0, 7);
    QTest::addRow("empty") << ""
                           << "000000" << QColor(0, 0, 0);
    QTest::addRow("non-hex typing is refused") << "xyz12"
                                               << "000012" << QColor(0, 0, 18);
}

void ColorDialogTest::hexFieldIsCompletedWhenEditingEnds()
{
    QFETCH(QString, typed);
    QFETCH(QColor, color);
    OrnColorArea dialog(nullptr, 1.0);
    dialog.setColor(QColor(1, 2, 3));
    dialog.show();
    OrnLineEdit* edit = dialog.hexEdit();
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, typed);
    QTest::keyClick(edit, Qt::Key_Return);
    QTEST(edit->text(), "field");
    QCOMPARE(dialog.color(), color);
    QCOMPARE(dialog.spinBox(kR)->value(), color.red());
    QCOMPARE(dialog.spinBox(kG)->value(), color.green());
    QCOMPARE(dialog.spinBox(kB)->value(), color.blue());
    QCOMPARE(dialog.preview()->color(), color);
}

void ColorDialogTest::whitePresetSetsAllBoxes()
{
    OrnColorArea dialog(nullptr, 1.0);
    dialog.setColor(QColor(0, 128, 255));
    QSignalSpy changed(&dialog, &OrnColorArea::OrnChangeColor);
    QSignalSpy applied(&dialog, &OrnColorArea::ApplyColor);
    QTest::mouseClick(dialog.preset(6), Qt::LeftButton);
    QCOMPARE(dialog.spinBox(kR)->value(), 255);
    QCOMPARE(dialog.spinBox(kG)->value(), 255);
    QCOMPARE(dialog.spinBox(kB)->value(), 255);
    QCOMPARE(dialog.hexEdit()->text(), QStringLiteral("ffffff"));
    QCOMPARE(dialog.color(), QColor(255, 255, 255));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.at(0).at(0).value<QColor>(), QColor(255, 255, 255));
    QCOMPARE(applied.count(), 1);
}

void ColorDialogTest::setColorShowsItEverywhere()
{
    OrnColorArea dialog(nullptr, 1.0);
    dialog.setColor(QColor(255, 128, 0));
    // 60 * 128 / 255 = 30.1 degrees, full saturation and value.
    QCOMPARE(boxes(dialog), (QList<int>{30, 255, 255, 255, 128, 0}));
    QCOMPARE(dialog.hexEdit()->text(), QStringLiteral("ff8000"));
    QCOMPARE(dialog.hueArea()->hue(), 30);
    QCOMPARE(dialog.svArea()->saturation(), 255);
    QCOMPARE(dialog.svArea()->value(), 255);
    QCOMPARE(dialog.preview()->color(), QColor(255, 128, 0));
}

void ColorDialogTest::squareReachesFullSaturationAtEveryScale_data()
{
    QTest::addColumn<double>("scale");
    QTest::addRow("1") << 1.0;
    QTest::addRow("1.5") << 1.5;
}

void ColorDialogTest::squareReachesFullSaturationAtEveryScale()
{
    QFETCH(double, scale);
    look::setDisplayScale(scale);
    OrnColorArea dialog(nullptr, scale);
    dialog.setColor(QColor(255, 0, 0));
    SVColorArea* square = dialog.svArea();
    QCOMPARE(square->side(), look::scaled(128, scale));
    const int iMargin = square->margin();
    // Top right corner: the pure hue.
    QTest::mouseClick(square, Qt::LeftButton, Qt::NoModifier, QPoint(iMargin + square->side(), iMargin));
    QCOMPARE(dialog.spinBox(kS)->value(), 255);
    QCOMPARE(dialog.spinBox(kV)->value(), 255);
    QCOMPARE(dialog.color(), QColor(255, 0, 0));
    // Bottom left: black; beyond the square is clamped.
    QTest::mouseClick(square, Qt::LeftButton, Qt::NoModifier, QPoint(0, square->height() - 1));
    QCOMPARE(dialog.spinBox(kS)->value(), 0);
    QCOMPARE(dialog.spinBox(kV)->value(), 0);
    QCOMPARE(dialog.hexEdit()->text(), QStringLiteral("000000"));
    // Top left: white.
    QTest::mouseClick(square, Qt::LeftButton, Qt::NoModifier, QPoint(iMargin, iMargin));
    QCOMPARE(dialog.color(), QColor(255, 255, 255));
    // A value typed into the S box puts the marker where a press gives it back.
    dialog.spinBox(kS)->setValue(128);
    dialog.spinBox(kV)->setValue(255);
    const QPoint marker = square->markerPosition();
    QVERIFY(qAbs(marker.x() - square->side() / 2) <= 1);
    QCOMPARE(marker.y(), 0);
}

void ColorDialogTest::hueStripMovesTheHue()
{
    OrnColorArea dialog(nullptr, 1.0);
    dialog.setColor(QColor(255, 0, 0));
    HColorArea* strip = dialog.hueArea();
    QSignalSpy released(&dialog, &OrnColorArea::ApplyColor);
    // Middle of the strip: 7 + 64 pixels down is hue 180.
    QTest::mouseClick(strip, Qt::LeftButton, Qt::NoModifier, QPoint(5, 7 + 64));
    QCOMPARE(dialog.spinBox(kH)->value(), 180);
    QCOMPARE(dialog.color(), QColor(0, 255, 255));
    QCOMPARE(dialog.hexEdit()->text(), QStringLiteral("00ffff"));
    QCOMPARE(released.count(), 1);
    // The top is 360, shown as 0 in the H box and red in the colour.
    QTest::mouseClick(strip, Qt::LeftButton, Qt::NoModifier, QPoint(5, 0));
    QCOMPARE(dialog.spinBox(kH)->value(), 0);
    QCOMPARE(dialog.color(), QColor(255, 0, 0));
}

void ColorDialogTest::boxesFeedEachOther()
{
    OrnColorArea dialog(nullptr, 1.0);
    dialog.setColor(QColor(255, 0, 0));
    dialog.spinBox(kH)->setValue(120);
    QCOMPARE(dialog.color(), QColor(0, 255, 0));
    QCOMPARE(dialog.spinBox(kG)->value(), 255);
    QCOMPARE(dialog.spinBox(kR)->value(), 0);
    QCOMPARE(dialog.svArea()->hue(), 120);

    dialog.spinBox(kB)->setValue(255);
    QCOMPARE(dialog.hexEdit()->text(), QStringLiteral("00ffff"));
    QCOMPARE(dialog.spinBox(kH)->value(), 180);

    // A grey keeps the hue it had, so the strip does not jump.
    dialog.setColor(QColor(90, 90, 90));
    QCOMPARE(dialog.spinBox(kH)->value(), 180);
    QCOMPARE(dialog.spinBox(kS)->value(), 0);
    QCOMPARE(dialog.spinBox(kV)->value(), 90);
}

QTEST_MAIN(ColorDialogTest)
#include "ColorDialogTest.moc"
