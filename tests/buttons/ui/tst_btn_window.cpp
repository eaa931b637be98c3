#include "TestDataHome.h"
#include "buttons/core/ButtonFunction.h"
#include "buttons/ui/OrnBtnWindow.h"
#include "buttons/ui/OrnComboKeyWindow.h"
#include "buttons/ui/OrnFireKeyWindow.h"
#include "buttons/ui/OrnMacroSelect.h"
#include "buttons/ui/OrnSingleKeyWindow.h"
#include "buttons/ui/OrnSniperWindow.h"
#include "macro/core/MacroFiles.h"
#include "platform/keyhook/KeyboardHook.h"
#include "store/AppSettings.h"
#include "store/DataPaths.h"
#include "store/RecordEquality.h"
#include "store/keys/KeyCodes.h"
#include "widgets/OrnAction.h"
#include "widgets/OrnMenu.h"
#include "widgets/OrnPushButton.h"

#include <QLineEdit>
#include <QMenu>
#include <QSettings>
#include <QSignalSpy>
#include <QSlider>
#include <QtTest>

#include <memory>

namespace F = ButtonFunction;

class TestBtnWindow : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void menuOrder();
    void layoutForProduct_data();
    void layoutForProduct();
    void plainPicks_data();
    void plainPicks();
    void copyKeepsFireKeyFields();
    void clickRule();
    void pickWithoutSelectionIgnored();
    void macroWithoutMacrosGoesToMacroTab();
    void macroPickCopiesEvents();
    void macroCancelKeepsRecord();
    void singleKeyCaptures_data();
    void singleKeyCaptures();
    void comboStoresEvents();
    void comboRightCtrlStoredAsLeft();
    void fireKeyStored();
    void sniperPreset();
    void sidePageFitsItsLabels();
    void labelsFollowRecords();
    void menuHideClearsHighlight();

private:
    std::unique_ptr<TestDataHome> m_home;
    ProfileData m_profile;
};

static platform::RawKeyEvent raw(quint32 scanCode, quint32 flags)
{
    return platform::RawKeyEvent{scanCode, flags, 0, (flags & 0x80) == 0, false};
}

static QStringList menuTexts(const QMenu* menu)
{
    QStringList texts;
    for (const QAction* action : menu->actions())
        texts << (action->menu() ? QStringLiteral("[%1]").arg(action->menu()->title()) : action->text());
    return texts;
}

static QMenu* subMenu(const QMenu* menu, const QString& title)
{
    for (const QAction* action : menu->actions()) {
        if (action->menu() && action->menu()->title() == title)
            return action->menu();
    }
    return nullptr;
}

static void writeMacroList(const QStringList& names)
{
    QSettings settings(programConfigPath(), QSettings::IniFormat);
    for (int i = 0; i < names.size(); ++i)
        settings.setValue(QStringLiteral("MACRO_LIST/%1").arg(i), names[i]);
}

void TestBtnWindow::init()
{
    m_home = std::make_unique<TestDataHome>();
    writeCurrentProductName(QStringLiteral("OSKEN R5"));
    m_profile = ProfileData{};
    m_profile.buttons[0].Fun = F::Left;
}

void TestBtnWindow::cleanup()
{
    m_home.reset();
}

void TestBtnWindow::menuOrder()
{
    OrnBtnWindow window(m_profile);
    QCOMPARE(menuTexts(window.mainMenu()),
             QStringList({"Left", "Right", "Middle", "Forward", "Back", "[Basic]", "[Windows]", "[Advance]", "[Media]",
                          "[DPI]", "[Polling Rate]", "Macro Manager", "Led Switch", "Button Off"}));
    QCOMPARE(menuTexts(subMenu(window.mainMenu(), "Basic")),
             QStringList({"Cut", "Copy", "Paste", "All", "Find", "New", "Print", "Save"}));
    QCOMPARE(menuTexts(subMenu(window.mainMenu(), "Windows")),
             QStringList({"Switch Window", "Close Window", "My Computer", "Run", "Show Desktop", "Lock PC",
                          "Browser Home", "Browser Backward", "Browser Forward", "Browser Stop", "Browser Refresh",
                          "Browser Search", "Browser Favorite", "Mail"}));
    QCOMPARE(menuTexts(subMenu(window.mainMenu(), "Advance")),
             QStringList({"SINGLE KEY", "COMBO KEY", "FIRE KEY", "SNIPER"}));
    QCOMPARE(menuTexts(subMenu(window.mainMenu(), "Media")),
             QStringList({"Play/Pause", "Stop", "Previous Track", "Next Track", "Volume Up", "Volume Down", "Mute",
                          "Media Player"}));
    QCOMPARE(menuTexts(subMenu(window.mainMenu(), "DPI")), QStringList({"DPI Switch", "DPI +", "DPI -"}));
    QCOMPARE(menuTexts(subMenu(window.mainMenu(), "Polling Rate")), QStringList({"Rate +", "Rate -"}));
    QCOMPARE(menuTexts(window.extraMenu()),
             QStringList({"Scroll Up", "Scroll Down", "Volume Up", "Volume Down", "Left", "Right", "Middle", "Forward",
                          "Back", "SINGLE KEY", "COMBO KEY"}));
    // The extra menu offers the main menu's own actions.
    QCOMPARE(window.extraMenu()->actions().at(4), window.mainMenu()->actions().at(0));
    // Rebuilding after a language switch gives the same menus, not doubled ones.
    window.retranslate();
    QCOMPARE(window.mainMenu()->actions().size(), 14);
    QCOMPARE(window.extraMenu()->actions().size(), 11);
}

void TestBtnWindow::layoutForProduct_data()
{
    QTest::addColumn<QString>("product");
    QTest::addColumn<QList<int>>("ys");
    // (440 - 30 n) / (n + 1) truncated, label i at i * 30 + (i + 1) * gap
    QTest::addRow("Wireless Mouse") << "Wireless Mouse" << QList<int>{37, 104, 171, 238, 305, 372};
    QTest::addRow("OSKEN R5") << "OSKEN R5" << QList<int>{28, 86, 144, 202, 260, 318, 376};
    QTest::addRow("other") << "7138" << QList<int>{30, 80, 130, 180, 230, 280, 330, 380, 430, 480};
}

void TestBtnWindow::layoutForProduct()
{
    QFETCH(QString, product);
    QFETCH(QList<int>, ys);
    writeCurrentProductName(product);
    OrnBtnWindow window(m_profile);
    window.resize(572, 440);
    window.layoutForProduct();
    int iPlaced = 0;
    for (int i = 0; i < OrnBtnWindow::kFrontCount; ++i) {
        const QRect geometry = window.label(i)->geometry();
        if (geometry.isEmpty())
            continue;
        QVERIFY2(i < ys.size(), qPrintable(QString::number(i)));
        QCOMPARE(geometry, QRect(56, ys[i], 220, 30));
        ++iPlaced;
    }
    QCOMPARE(iPlaced, ys.size());
    // The wheel labels do not cover any front label.
    for (int i = 0; i < OrnBtnWindow::kFrontCount; ++i) {
        QVERIFY(!window.label(40)->geometry().intersects(window.label(i)->geometry()));
        QVERIFY(!window.label(41)->geometry().intersects(window.label(i)->geometry()));
    }
    // A scale change keeps the side labels placed.
    window.rescale(1.5);
    QCOMPARE(window.label(20)->geometry(), QRect(43, 93, 225, 30));
}

void TestBtnWindow::plainPicks_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("text");
    QTest::addRow("Right on front 1") << 0 << 1 << F::Right << "Right";
    QTest::addRow("Back") << 0 << 2 << F::Back << "Back";
    QTest::addRow("Button Off") << 0 << 3 << F::ButtonOff << "Button Off";
    QTest::addRow("Led Switch") << 0 << 4 << F::LedSwitch << "Led Switch";
    QTest::addRow("Mail on side 5") << 1 << 5 << F::Mail << "Mail";
    QTest::addRow("Rate -") << 1 << 0 << F::RateDown << "Rate -";
    QTest::addRow("Scroll Up on extra 0") << 2 << 0 << F::ScrollUp << "Scroll Up";
    QTest::addRow("Volume Down on extra 1") << 2 << 1 << F::VolumeDown << "Volume Down";
}

void TestBtnWindow::plainPicks()
{
    QFETCH(int, page);
    QFETCH(int, index);
    QFETCH(int, code);
    QFETCH(QString, text);
    OrnBtnWindow window(m_profile);
    const int iRecord = index + 20 * page;
    ButtonInfo& record = m_profile.buttons[iRecord];
    record.LoopNumber = 9;
    record.Res1 = 0x44;
    record.macroname = QStringLiteral("kept");
    window.showPage(quint8(index), quint8(page));
    QSignalSpy spy(&window, &OrnBtnWindow::SelBtnControl);
    window.action(code)->trigger();
    QCOMPARE(record.Fun, code);
    QCOMPARE(record.LoopNumber, 9);
    QCOMPARE(record.Res1, quint8(0x44));
    QCOMPARE(record.macroname, QStringLiteral("kept"));
    QCOMPARE(window.label(iRecord)->text(), text);
    // Highlighted first, then every group's label at the index let go; the selection is cleared.
    QCOMPARE(spy.first().at(1).value<quint8>(), quint8(1));
    QCOMPARE(spy.last().at(1).value<quint8>(), quint8(0));
    QCOMPARE(window.selectedPage(), quint8(255));
    QCOMPARE(window.selectedIndex(), quint8(255));
}

void TestBtnWindow::copyKeepsFireKeyFields()
{
    ButtonInfo& record = m_profile.buttons[3];
    record.Fun = F::FireKey;
    record.LoopNumber = 5;
    record.KeyNumber = 30;
    record.Res1 = 0x82;
    OrnBtnWindow window(m_profile);
    window.showPage(3, 0);
    window.action(F::Copy)->trigger();
    QCOMPARE(record.Fun, F::Copy);
    QCOMPARE(record.LoopNumber, 5);
    QCOMPARE(record.KeyNumber, 30);
    QCOMPARE(record.Res1, quint8(0x82));
    QCOMPARE(window.label(3)->text(), QStringLiteral("Copy"));
}

void TestBtnWindow::clickRule()
{
    OrnBtnWindow window(m_profile);
    QSignalSpy refused(&window, &OrnBtnWindow::PopOneClickBox);
    window.showPage(0, 0);
    window.action(F::Right)->trigger();
    QCOMPARE(refused.count(), 1);
    QCOMPARE(m_profile.buttons[0].Fun, F::Left);
    QCOMPARE(window.selectedIndex(), quint8(0)); // the selection stays for another try
    QCOMPARE(window.label(0)->text(), QStringLiteral("Left"));

    window.action(F::Left)->trigger(); // Left on a Left record is always accepted
    QCOMPARE(refused.count(), 1);

    window.showPage(5, 0);
    window.action(F::Left)->trigger();
    window.showPage(0, 0);
    window.action(F::Right)->trigger();
    QCOMPARE(refused.count(), 1);
    QCOMPARE(m_profile.buttons[0].Fun, F::Right);
    QCOMPARE(m_profile.buttons[5].Fun, F::Left);
}

void TestBtnWindow::pickWithoutSelectionIgnored()
{
    OrnBtnWindow window(m_profile);
    window.showPage(2, 0);
    window.action(F::Middle)->trigger(); // clears the selection
    const ProfileData before = m_profile;
    QSignalSpy spy(&window, &OrnBtnWindow::SelBtnControl);
    window.action(F::Back)->trigger();
    QCOMPARE(spy.count(), 0);
    QVERIFY(m_profile.buttons == before.buttons);
    // Functions that no menu offers change nothing either.
    for (int iCode : {F::GunFile, F::ProfileUp, F::ProfileSwitch, F::Code60, 56}) {
        window.showPage(1, 0);
        window.pickFunction(iCode);
        QVERIFY(m_profile.buttons == before.buttons);
    }
}

void TestBtnWindow::macroWithoutMacrosGoesToMacroTab()
{
    OrnBtnWindow window(m_profile);
    bool bOpened = false;
    window.setDialogRunner([&](QDialog&) {
        bOpened = true;
        return int(QDialog::Accepted);
    });
    QSignalSpy tab(&window, &OrnBtnWindow::GotoMacroTab);
    window.showPage(2, 0);
    const ProfileData before = m_profile;
    window.action(F::Macro)->trigger();
    QCOMPARE(tab.count(), 1);
    QCOMPARE(tab.first().at(0).value<quint8>(), quint8(3));
    QVERIFY(!bOpened);
    QVERIFY(m_profile.buttons == before.buttons);
}

void TestBtnWindow::macroPickCopiesEvents()
{
    MacroFile big;
    for (int i = 0; i < 70; ++i)
        big.events.push_back(MacroEvent{quint8(0x84), quint8(i), quint8(0x04 + i % 3)});
    QVERIFY(saveMacro(QStringLiteral("Burst"), big));
    MacroFile small;
    small.events = {MacroEvent{0x81, 0x00, 0x01}, MacroEvent{0x06, 0x01, 0x2C}};
    QVERIFY(saveMacro(QStringLiteral("Two"), small));
    writeMacroList({QStringLiteral("Burst"), QStringLiteral("Two")});

    ButtonInfo& record = m_profile.buttons[2];
    record.keys[63 - 1] = KeyInfo{9, 9, 9};
    OrnBtnWindow window(m_profile);
    QString strTitle;
    window.setDialogRunner([&](QDialog& dialog) {
        auto* select = qobject_cast<OrnMacroSelect*>(&dialog);
        strTitle = select->windowTitle();
        select->selectMacro(QStringLiteral("Burst"));
        select->setLoopMode(OrnMacroSelect::kRepeatWhileDown);
        select->accept();
        return dialog.result();
    });
    window.showPage(2, 0);
    window.action(F::Macro)->trigger();
    QCOMPARE(strTitle, QStringLiteral("MACRO SELECT"));
    QCOMPARE(record.Fun, F::Macro);
    QCOMPARE(record.macroname, QStringLiteral("Burst"));
    QCOMPARE(record.Res1, quint8(1));
    QCOMPARE(record.LoopNumber, 1);
    QCOMPARE(record.KeyNumber, 63); // the record's room, not the file's 70
    QCOMPARE(record.keys[0].map, quint8(0x84));
    QCOMPARE(record.keys[0].low, quint8(0x04));
    QCOMPARE(record.keys[0].high, quint8(0));
    QCOMPARE(record.keys[62].high, quint8(62));
    QCOMPARE(record.keys[62].low, quint8(0x04 + 62 % 3));
    QCOMPARE(window.label(2)->text(), QStringLiteral("Burst (while held)"));

    // Reopening shows the record's choice; a counted loop of 7 on the short macro.
    window.setDialogRunner([&](QDialog& dialog) {
        auto* select = qobject_cast<OrnMacroSelect*>(&dialog);
        if (select->selectedName() != QLatin1String("Burst") || select->loopMode() != 1)
            return int(QDialog::Rejected);
        select->selectMacro(QStringLiteral("Two"));
        select->setLoopMode(OrnMacroSelect::kLoopTimes);
        select->loopCountEdit()->setText(QStringLiteral("7"));
        select->accept();
        return dialog.result();
    });
    window.showPage(2, 0);
    window.action(F::Macro)->trigger();
    QCOMPARE(record.macroname, QStringLiteral("Two"));
    QCOMPARE(record.Res1, quint8(0));
    QCOMPARE(record.LoopNumber, 7);
    QCOMPARE(record.KeyNumber, 2);
    QCOMPARE(record.keys[1].map, quint8(0x06));
    QCOMPARE(record.keys[1].low, quint8(0x2C));
    QCOMPARE(record.keys[1].high, quint8(0x01));
}

void TestBtnWindow::macroCancelKeepsRecord()
{
    writeMacroList({QStringLiteral("A"), QStringLiteral("B")});
    ButtonInfo& record = m_profile.buttons[1];
    record.Fun = F::Macro;
    record.macroname = QStringLiteral("A");
    record.LoopNumber = 4;
    record.Res1 = 2;
    OrnBtnWindow window(m_profile);
    window.setDialogRunner([&](QDialog& dialog) {
        auto* select = qobject_cast<OrnMacroSelect*>(&dialog);
        select->selectMacro(QStringLiteral("B"));
        select->setLoopMode(0);
        dialog.reject();
        return dialog.result();
    });
    const ProfileData before = m_profile;
    const QString shown = window.label(1)->text();
    window.showPage(1, 0);
    window.action(F::Macro)->trigger();
    QVERIFY(m_profile.buttons == before.buttons);
    QCOMPARE(window.label(1)->text(), shown);
}

void TestBtnWindow::singleKeyCaptures_data()
{
    QTest::addColumn<quint32>("scanCode");
    QTest::addColumn<quint32>("flags");
    QTest::addColumn<int>("code");
    QTest::addRow("keypad 1") << 0x4Fu << 0x00u << 0xE6;
    QTest::addRow("End") << 0x4Fu << 0x01u << 0x4F;
    QTest::addRow("keypad Del released") << 0x53u << 0x80u << 0xE0;
    QTest::addRow("A") << 0x1Eu << 0x00u << 0x1E;
}

void TestBtnWindow::singleKeyCaptures()
{
    QFETCH(quint32, scanCode);
    QFETCH(quint32, flags);
    QFETCH(int, code);
    OrnBtnWindow window(m_profile);
    window.setDialogRunner([&](QDialog& dialog) {
        qobject_cast<OrnSingleKeyWindow*>(&dialog)->handleRawKey(raw(scanCode, flags));
        return int(QDialog::Accepted);
    });
    window.showPage(6, 0);
    window.action(F::SingleKey)->trigger();
    QCOMPARE(m_profile.buttons[6].Fun, F::SingleKey);
    QCOMPARE(int(m_profile.buttons[6].Res1), code);
    QCOMPARE(window.label(6)->text(), keyName(code)); // the key, not the function's menu text
}

void TestBtnWindow::comboStoresEvents()
{
    OrnBtnWindow window(m_profile);
    QString strShown;
    bool bSwallowed = false;
    window.setDialogRunner([&](QDialog& dialog) {
        auto* combo = qobject_cast<OrnComboKeyWindow*>(&dialog);
        bSwallowed = combo->handleRawKey(raw(0x1D, 0)); // left Ctrl
        combo->handleRawKey(raw(0x2A, 0));              // left Shift
        combo->handleRawKey(raw(0x1E, 0));              // A
        combo->handleRawKey(raw(0x1E, 0x80));
        strShown = combo->comboText();
        return int(QDialog::Accepted);
    });
    ButtonInfo& record = m_profile.buttons[4];
    record.keys[20] = KeyInfo{7, 7, 7};
    window.showPage(4, 0);
    window.action(F::ComboKey)->trigger();
    QVERIFY(bSwallowed);
    QCOMPARE(strShown, QStringLiteral("LShift + LCtr + A"));
    QCOMPARE(record.Fun, F::ComboKey);
    const quint8 expected[6][3] = {{0xE1, 5, 0x80}, {0xE0, 5, 0x80}, {0x04, 5, 0x80},
                                   {0x04, 5, 0x00}, {0xE0, 5, 0x00}, {0xE1, 5, 0x00}};
    for (int i = 0; i < 6; ++i) {
        QCOMPARE(record.keys[i].map, expected[i][0]);
        QCOMPARE(record.keys[i].low, expected[i][1]);
        QCOMPARE(record.keys[i].high, expected[i][2]);
    }
    QCOMPARE(record.keys[6].map, quint8(0));
    QCOMPARE(record.keys[20].map, quint8(0)); // every other event cleared
    QCOMPARE(window.label(4)->text(), QStringLiteral("Ctrl+Shift+A"));
}

void TestBtnWindow::comboRightCtrlStoredAsLeft()
{
    OrnBtnWindow window(m_profile);
    QString strShown;
    window.setDialogRunner([&](QDialog& dialog) {
        auto* combo = qobject_cast<OrnComboKeyWindow*>(&dialog);
        combo->handleRawKey(raw(0x1D, 0x01)); // right Ctrl
        combo->handleRawKey(raw(0x2E, 0x00)); // C
        strShown = combo->comboText();
        return int(QDialog::Accepted);
    });
    window.showPage(1, 0);
    window.action(F::ComboKey)->trigger();
    QCOMPARE(strShown, QStringLiteral("LCtr + C"));
    QCOMPARE(m_profile.buttons[1].keys[0].map, quint8(0xE0));
    QCOMPARE(m_profile.buttons[1].keys[1].map, quint8(0x06));
    QCOMPARE(encodeButtonEntry(m_profile.buttons[1], 3325, *std::make_unique<MacroSlotMap>()),
             (DeviceEntry{0x8F, 0x01, 0x06, 0x00}));
}

void TestBtnWindow::fireKeyStored()
{
    OrnBtnWindow window(m_profile);
    window.setDialogRunner([&](QDialog& dialog) {
        auto* fire = qobject_cast<OrnFireKeyWindow*>(&dialog);
        fire->setSource(OrnFireKeyWindow::kKeyboard);
        fire->handleRawKey(raw(0x30, 0)); // B
        fire->timesEdit()->setText(QStringLiteral("12"));
        fire->delayEdit()->setText(QStringLiteral("50"));
        return int(QDialog::Accepted);
    });
    window.showPage(2, 0);
    window.action(F::FireKey)->trigger();
    const ButtonInfo& record = m_profile.buttons[2];
    QCOMPARE(record.Fun, F::FireKey);
    QCOMPARE(record.Res1, quint8(0x05)); // HID usage of B
    QCOMPARE(record.LoopNumber, 12);
    QCOMPARE(record.KeyNumber, 50);
}

void TestBtnWindow::sniperPreset()
{
    {
        QSettings settings(programConfigPath(), QSettings::IniFormat);
        settings.setValue(QStringLiteral("MouseSenSor/OSKEN R5"), 3104);
    }
    ButtonInfo& record = m_profile.buttons[3];
    record.Fun = F::Sniper;
    record.Res1 = 30;
    OrnBtnWindow window(m_profile);
    int iOpened = -1;
    window.setDialogRunner([&](QDialog& dialog) {
        auto* sniper = qobject_cast<OrnSniperWindow*>(&dialog);
        iOpened = sniper->step();
        sniper->slider()->setValue(20);
        return int(QDialog::Accepted);
    });
    window.showPage(3, 0);
    window.action(F::Sniper)->trigger();
    QCOMPARE(iOpened, 14);
    QCOMPARE(record.Res1, quint8(20));
    QCOMPARE(window.label(3)->text(), QStringLiteral("Sniper 760 DPI"));
}

void TestBtnWindow::sidePageFitsItsLabels()
{
    writeCurrentProductName(QStringLiteral("Wireless Mouse"));
    OrnBtnWindow window(m_profile);
    window.resize(572, 440);
    window.layoutForProduct();
    QCOMPARE(window.label(5)->geometry().top(), 372);
    // A product that sends no side record shows its two thumb buttons on the side page, no blank labels.
    window.setView(1, 0);
    QList<int> shown;
    for (int i = 0; i < OrnBtnWindow::kLabelCount; ++i) {
        if (window.label(i)->isVisibleTo(&window))
            shown << i;
    }
    QCOMPARE(shown, (QList<int>{3, 4}));
    QCOMPARE(window.height(), 440);

    // Other products keep the twenty side labels; side label 20 ends at 62 + 25 * 19 + 20 = 557.
    writeCurrentProductName(QStringLiteral("K263"));
    window.setView(1, 0);
    QCOMPARE(window.label(39)->geometry().bottom(), 556);
    QVERIFY(window.height() >= 557);
    window.setView(0, 0);
    QCOMPARE(window.height(), 440);
}

void TestBtnWindow::labelsFollowRecords()
{
    m_profile.buttons[1].Fun = F::Macro;
    m_profile.buttons[1].macroname = QStringLiteral("Reload");
    m_profile.buttons[1].LoopNumber = 1;
    m_profile.buttons[2].Fun = F::GunFile;
    m_profile.buttons[2].macroname = QStringLiteral("Spray");
    m_profile.buttons[2].LoopNumber = 2;
    m_profile.buttons[3].Fun = F::ProfileUp;
    m_profile.buttons[7].Fun = F::Code60;
    m_profile.buttons[40].Fun = F::ScrollDown;
    m_profile.buttons[25].Fun = F::Mute;
    OrnBtnWindow window(m_profile);
    QCOMPARE(window.label(0)->text(), QStringLiteral("Left"));
    QCOMPARE(window.label(1)->text(), QStringLiteral("Reload"));
    QCOMPARE(window.label(2)->text(), QStringLiteral("Spray ×2"));
    QCOMPARE(window.label(3)->text(), QStringLiteral("Profile +"));
    QCOMPARE(window.label(7)->text(), QString());
    QCOMPARE(window.label(40)->text(), QStringLiteral("Scroll Down"));
    QCOMPARE(window.label(25)->text(), QStringLiteral("Mute"));

    ProfileData other;
    other.buttons[1].Fun = F::Paste;
    window.setProfile(other);
    QCOMPARE(window.label(1)->text(), QStringLiteral("Paste"));
    QCOMPARE(&window.profile(), &other);
}

void TestBtnWindow::menuHideClearsHighlight()
{
    OrnBtnWindow window(m_profile);
    window.resize(572, 440);
    window.show();
    window.setView(0, 4);
    QVERIFY(window.label(4)->isVisible());
    std::vector<std::pair<OrnPushButton*, quint8>> seen;
    connect(&window, &OrnBtnWindow::SelBtnControl, this,
            [&](OrnPushButton* button, quint8 bType) { seen.emplace_back(button, bType); });
    window.mainMenu()->popup(QPoint(10, 10));
    window.mainMenu()->hide();
    QCOMPARE(seen.size(), size_t(1));
    QCOMPARE(seen[0].first, window.label(4));
    QCOMPARE(seen[0].second, quint8(0));
}

QTEST_MAIN(TestBtnWindow)
#include "tst_btn_window.moc"
