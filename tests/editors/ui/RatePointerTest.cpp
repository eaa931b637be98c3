#include "editors/ui/OrnPointSpeed.h"
#include "editors/ui/OrnReportRate.h"

#include "TestDataHome.h"
#include "look/Language.h"
#include "store/DataPaths.h"
#include "widgets/OrnMenu.h"
#include "widgets/OrnSlider.h"

#include <QAction>
#include <QSettings>
#include <QSpinBox>
#include <QtTest>

class RatePointerTest : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void rateCodeShowsItsText_data();
    void rateCodeShowsItsText();
    void choosingAnEntryStoresItsCode();
    void menuOrder();
    void pointerAndScrollLandInTheRecord();
    void languageFontApplies();

private:
    std::unique_ptr<TestDataHome> m_pHome;
};

void RatePointerTest::init()
{
    m_pHome = std::make_unique<TestDataHome>();
}

void RatePointerTest::cleanup()
{
    look::setLanguageId(0);
}

void RatePointerTest::rateCodeShowsItsText_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("text");
    QTest::addRow("1") << 1 << "1000 HZ";
    QTest::addRow("2") << 2 << "500 HZ";
    QTest::addRow("4") << 4 << "250 HZ";
    QTest::addRow("8") << 8 << "125 HZ";
}

void RatePointerTest::rateCodeShowsItsText()
{
    QFETCH(int, code);
    ProfileData profile;
    profile.pollrate = static_cast<quint8>(code);
    OrnReportRate rate(nullptr, &profile);
    QTEST(rate.rateButtonText(), "text");
    QCOMPARE(rate.rateCode(), quint8(code));

    // A code outside the table leaves the label as it was.
    profile.pollrate = 3;
    rate.setProfile(&profile);
    QTEST(rate.rateButtonText(), "text");
}

void RatePointerTest::choosingAnEntryStoresItsCode()
{
    ProfileData profile;
    profile.pollrate = 2;
    OrnReportRate rate(nullptr, &profile);
    QCOMPARE(rate.rateButtonText(), QStringLiteral("500 HZ"));
    QAction* entry = rate.actionForCode(8);
    QVERIFY(entry);
    QCOMPARE(entry->text(), QStringLiteral("125 HZ"));
    entry->trigger();
    QCOMPARE(rate.rateCode(), quint8(8));
    QCOMPARE(rate.rateButtonText(), QStringLiteral("125 HZ"));
    rate.actionForCode(1)->trigger();
    QCOMPARE(int(profile.pollrate), 1); // the record itself is edited
}

void RatePointerTest::menuOrder()
{
    ProfileData blank;
    OrnReportRate rate(nullptr, &blank);
    QStringList texts;
    for (QAction* action : rate.rateMenu()->actions())
        texts << action->text();
    QCOMPARE(texts, (QStringList{"125 HZ", "250 HZ", "500 HZ", "1000 HZ"}));
}

void RatePointerTest::pointerAndScrollLandInTheRecord()
{
    ProfileData profile;
    profile.mousespeed = 10;
    profile.scrollspeed = 3;
    OrnPointSpeed panel(nullptr, &profile);
    QCOMPARE(panel.pointerSpeed(), 10);
    QCOMPARE(panel.scrollSpeed(), 3);

    panel.scrollBox()->setValue(20);
    QCOMPARE(profile.scrollspeed, quint8(20));
    panel.scrollBox()->setValue(0);
    QCOMPARE(panel.scrollSpeed(), 1);
    QCOMPARE(profile.scrollspeed, quint8(1));
    panel.pointerSlider()->setValue(17);
    QCOMPARE(profile.mousespeed, quint8(17));

    // Showing a record with values out of range does not rewrite it.
    ProfileData other;
    other.mousespeed = 0;
    other.scrollspeed = 40;
    panel.setProfile(&other);
    QCOMPARE(panel.pointerSpeed(), 1);
    QCOMPARE(panel.scrollSpeed(), 20);
    QCOMPARE(other.mousespeed, quint8(0));
    QCOMPARE(other.scrollspeed, quint8(40));
    QCOMPARE(profile.mousespeed, quint8(17));
}

void RatePointerTest::languageFontApplies()
{
    {
        QSettings settings(programConfigPath(), QSettings::IniFormat);
        settings.setValue(QStringLiteral("FONT_LIST/FONT_0"), QStringLiteral("DejaVu Sans"));
        settings.setValue(QStringLiteral("FONT_LIST/FONT_SIZE_0"), 12);
        settings.setValue(QStringLiteral("FONT_LIST/FONT_1"), QStringLiteral("Noto Sans CJK SC"));
        settings.setValue(QStringLiteral("FONT_LIST/FONT_SIZE_1"), 14);
    }
    look::setLanguageId(1);
    ProfileData profile;
    OrnPointSpeed panel(nullptr, &profile);
    QCOMPARE(panel.font().family(), QStringLiteral("Noto Sans CJK SC"));
    QCOMPARE(panel.font().pixelSize(), 14);
    QCOMPARE(panel.scrollBox()->font().family(), QStringLiteral("Noto Sans CJK SC"));
}

QTEST_MAIN(RatePointerTest)
#include "RatePointerTest.moc"
