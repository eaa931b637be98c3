#include "FakeKeyboardHook.h"
#include "TestDataHome.h"
#include "look/UiText.h"
#include "macro/core/MacroBindings.h"
#include "macro/core/MacroFiles.h"
#include "macro/ui/MacroDialog.h"
#include "macro/ui/OrnGunsetDialog.h"
#include "macro/ui/OrnItemModel.h"
#include "store/ConfigData.h"
#include "store/DataPaths.h"
#include "widgets/OrnLineEdit.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QSettings>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

// A macro file outside the macro folder, as the user would pick it for import.
QString writeOutside(const QString& dir, const QString& fileName, int iCount)
{
    const QString path = dir + QLatin1Char('/') + fileName;
    QSettings file(path, QSettings::IniFormat);
    file.setValue(QStringLiteral("Setting/DelayType"), 0);
    file.setValue(QStringLiteral("Setting/Count"), iCount);
    for (int i = 0; i < iCount; ++i) {
        file.setValue(QStringLiteral("Setting/Map_%1").arg(i), 132);
        file.setValue(QStringLiteral("Setting/DataL_%1").arg(i), 4 + i);
    }
    file.sync();
    return path;
}

QStringList shownNames(const QListWidget* list)
{
    QStringList names;
    for (int i = 0; i < list->count(); ++i)
        names << list->item(i)->data(Qt::UserRole).toString();
    return names;
}

} // namespace

// The macro tab's commands on macros and files: new, rename, import, export, batch mode and the gun set.
class MacroDialogFilesTest : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void importOneFile();
    void importExistingNameWarns();
    void batchImportSkipsPresentNames();
    void exportOneFile();
    void batchExportCheckedMacros();
    void changeNameRefusals_data();
    void changeNameRefusals();
    void changeNameTakesFreeName();
    void newMacroAtFiftyRefused();
    void deleteLoadsNextMacro();
    void boundMacroRenameRebindsAndDeleteAsks();
    void gunSetMakesUniqueNameAndLoads();
    void gunSetAtFiftyRefused();

private:
    void makeDialog();

    std::unique_ptr<TestDataHome> m_pHome;
    std::unique_ptr<QTemporaryDir> m_pOutside;
    std::unique_ptr<MacroDialog> m_pDialog;
    QStringList m_Warnings;
    QStringList m_Questions;
    bool m_bYes = false;
    QString m_strOpen;
    QStringList m_OpenMany;
    QString m_strSave;
    QString m_strFolder;
    std::function<bool(OrnGunsetDialog&)> m_Gunset;
};

void MacroDialogFilesTest::init()
{
    m_pHome = std::make_unique<TestDataHome>();
    m_pOutside = std::make_unique<QTemporaryDir>();
    m_Warnings.clear();
    QCOMPARE(createMacro(), QStringLiteral("name_1"));
    makeDialog();
}

void MacroDialogFilesTest::cleanup()
{
    m_pDialog.reset();
    m_pOutside.reset();
    m_pHome.reset();
}

void MacroDialogFilesTest::makeDialog()
{
    MacroPrompts prompts;
    prompts.warn = [this](const QString& text, const QString& title) { m_Warnings << title + ": " + text; };
    prompts.confirm = [this](const QString& text, const QString&) {
        m_Questions << text;
        return m_bYes;
    };
    prompts.openFile = [this](const QString&, const QString&) { return m_strOpen; };
    prompts.openFiles = [this](const QString&, const QString&) { return m_OpenMany; };
    prompts.saveFile = [this](const QString&, const QString&) { return m_strSave; };
    prompts.chooseFolder = [this](const QString&, const QString&) { return m_strFolder; };
    prompts.runGunset = [this](OrnGunsetDialog& dialog) { return m_Gunset && m_Gunset(dialog); };
    m_pDialog = std::make_unique<MacroDialog>(nullptr, std::make_unique<FakeKeyboardHook>(), prompts);
}

void MacroDialogFilesTest::importOneFile()
{
    m_strOpen = writeOutside(m_pOutside->path(), QStringLiteral("fire.v2.MSMACRO"), 3);
    m_pDialog->runCommand(MacroCommand::Import);
    QCOMPARE(listMacroNames(), (QStringList{QStringLiteral("name_1"), QStringLiteral("fire.v2")}));
    QVERIFY(QFile::exists(macroDirectory() + QStringLiteral("/fire.v2.MSMACRO")));
    QCOMPARE(m_pDialog->selectedMacro(), QStringLiteral("fire.v2"));
    QCOMPARE(m_pDialog->nameEdit()->text(), QStringLiteral("fire.v2"));
    QCOMPARE(m_pDialog->model()->rowCount(), 3);
    QCOMPARE(m_pDialog->model()->rowEvent(2), (MacroEvent{132, 0, 6}));
    QVERIFY(m_Warnings.isEmpty());
}

void MacroDialogFilesTest::importExistingNameWarns()
{
    m_strOpen = writeOutside(m_pOutside->path(), QStringLiteral("name_1.MSMACRO"), 4);
    m_pDialog->runCommand(MacroCommand::Import);
    QCOMPARE(m_Warnings, QStringList{QStringLiteral("Warning: Macro Exist!")});
    QCOMPARE(readMacro(QStringLiteral("name_1")).events.size(), size_t(0)); // not replaced
    QCOMPARE(listMacroNames(), QStringList{QStringLiteral("name_1")});
}

void MacroDialogFilesTest::batchImportSkipsPresentNames()
{
    m_pDialog->batchCheck()->click();
    QVERIFY(m_pDialog->isBatchMode());
    QVERIFY(m_pDialog->batchBox(0));
    m_OpenMany = QStringList{writeOutside(m_pOutside->path(), QStringLiteral("a.MSMACRO"), 1),
                             writeOutside(m_pOutside->path(), QStringLiteral("name_1.MSMACRO"), 2),
                             writeOutside(m_pOutside->path(), QStringLiteral("b.MSMACRO"), 2)};
    // A name in the list whose file is gone still counts as present.
    addMacroName(QStringLiteral("b"));
    m_pDialog->runCommand(MacroCommand::Import);
    QCOMPARE(listMacroNames(), (QStringList{QStringLiteral("name_1"), QStringLiteral("b"), QStringLiteral("a")}));
    QVERIFY(!QFile::exists(macroFilePath(QStringLiteral("b"))));
    QCOMPARE(readMacro(QStringLiteral("name_1")).events.size(), size_t(0));
    QCOMPARE(readMacro(QStringLiteral("a")).events.size(), size_t(1));
    QCOMPARE(shownNames(m_pDialog->macroList()), listMacroNames());
}

void MacroDialogFilesTest::exportOneFile()
{
    MacroFile macro;
    macro.events = {MacroEvent{132, 0, 4}};
    QVERIFY(saveMacro(QStringLiteral("name_1"), macro));
    m_strSave = m_pOutside->path() + QStringLiteral("/copy");
    QFile stale(m_strSave + QStringLiteral(".MSMACRO"));
    QVERIFY(stale.open(QIODevice::WriteOnly));
    stale.write("old");
    stale.close();
    m_pDialog->runCommand(MacroCommand::Export);
    QFile exported(m_strSave + QStringLiteral(".MSMACRO"));
    QVERIFY(exported.open(QIODevice::ReadOnly));
    QFile original(macroFilePath(QStringLiteral("name_1")));
    QVERIFY(original.open(QIODevice::ReadOnly));
    QCOMPARE(exported.readAll(), original.readAll());
}

void MacroDialogFilesTest::batchExportCheckedMacros()
{
    QCOMPARE(createMacro(), QStringLiteral("name_2"));
    QCOMPARE(createMacro(), QStringLiteral("name_3"));
    m_pDialog->batchCheck()->click();
    QCOMPARE(m_pDialog->macroList()->count(), 3);
    m_pDialog->batchBox(0)->setChecked(true);
    m_pDialog->batchBox(2)->setChecked(true);
    m_strFolder = m_pOutside->path();
    m_pDialog->runCommand(MacroCommand::Export);
    QStringList files = QDir(m_strFolder).entryList(QDir::Files);
    files.sort();
    QCOMPARE(files, (QStringList{QStringLiteral("name_1.MSMACRO"), QStringLiteral("name_3.MSMACRO")}));
    m_pDialog->batchCheck()->click();
    QVERIFY(!m_pDialog->isBatchMode());
    QVERIFY(!m_pDialog->batchBox(0));
}

void MacroDialogFilesTest::changeNameRefusals_data()
{
    QTest::addColumn<QString>("wanted");
    QTest::addRow("empty") << "";
    QTest::addRow("spaces only") << "   ";
    QTest::addRow("slash") << "a/b";
    QTest::addRow("backslash") << "a\\b";
    QTest::addRow("dot") << ".";
    QTest::addRow("dot dot") << "..";
    QTest::addRow("climbing out") << "../../evil";
}

void MacroDialogFilesTest::changeNameRefusals()
{
    QFETCH(QString, wanted);
    m_pDialog->nameEdit()->setText(wanted);
    m_pDialog->runCommand(MacroCommand::ChangeName);
    QCOMPARE(m_Warnings.size(), 1);
    QCOMPARE(listMacroNames(), QStringList{QStringLiteral("name_1")});
    QVERIFY(QFile::exists(macroFilePath(QStringLiteral("name_1"))));
    QCOMPARE(QDir(macroDirectory()).entryList(QDir::Files), QStringList{QStringLiteral("name_1.MSMACRO")});
    QCOMPARE(m_pDialog->nameEdit()->text(), QStringLiteral("name_1"));
}

void MacroDialogFilesTest::changeNameTakesFreeName()
{
    QCOMPARE(createMacro(), QStringLiteral("name_2"));
    m_pDialog->reloadMacros();
    m_pDialog->nameEdit()->setText(QStringLiteral("name_2"));
    m_pDialog->runCommand(MacroCommand::ChangeName);
    QVERIFY(m_Warnings.isEmpty());
    QCOMPARE(listMacroNames(), (QStringList{QStringLiteral("name_2_2"), QStringLiteral("name_2")}));
    QVERIFY(!QFile::exists(macroFilePath(QStringLiteral("name_1"))));
    QVERIFY(QFile::exists(macroFilePath(QStringLiteral("name_2_2"))));
    QCOMPARE(m_pDialog->selectedMacro(), QStringLiteral("name_2_2"));
    QCOMPARE(m_pDialog->nameEdit()->text(), QStringLiteral("name_2_2"));
}

void MacroDialogFilesTest::newMacroAtFiftyRefused()
{
    m_pDialog->runCommand(MacroCommand::New);
    QCOMPARE(m_pDialog->selectedMacro(), QStringLiteral("name_2"));
    for (int i = 3; i <= kMaxMacroCount; ++i)
        addMacroName(QStringLiteral("listed_%1").arg(i));
    QCOMPARE(countMacroNames(), kMaxMacroCount);
    const QStringList before = QDir(macroDirectory()).entryList(QDir::Files);
    m_pDialog->runCommand(MacroCommand::New);
    QCOMPARE(m_Warnings, QStringList{QStringLiteral("WARNING: TOO MANY MACROS TO BE CREATE!")});
    QCOMPARE(QDir(macroDirectory()).entryList(QDir::Files), before);
}

void MacroDialogFilesTest::deleteLoadsNextMacro()
{
    MacroFile two;
    two.events = {MacroEvent{132, 0, 4}, MacroEvent{4, 0, 4}};
    QVERIFY(saveMacro(QStringLiteral("second"), two));
    addMacroName(QStringLiteral("second"));
    m_pDialog->reloadMacros();
    m_pDialog->runCommand(MacroCommand::DeleteMacro);
    QCOMPARE(listMacroNames(), QStringList{QStringLiteral("second")});
    QVERIFY(!QFile::exists(macroFilePath(QStringLiteral("name_1"))));
    QCOMPARE(m_pDialog->selectedMacro(), QStringLiteral("second"));
    QCOMPARE(m_pDialog->model()->rowCount(), 2);
    m_pDialog->runCommand(MacroCommand::DeleteMacro);
    QVERIFY(listMacroNames().isEmpty());
    QCOMPARE(m_pDialog->model()->rowCount(), 0);
    QVERIFY(m_pDialog->nameEdit()->text().isEmpty());
}

void MacroDialogFilesTest::boundMacroRenameRebindsAndDeleteAsks()
{
    ConfigData working;
    working.slotProfileNames[2] = QStringLiteral("Game");
    working.slot(2).buttons[4].Fun = 200;
    working.slot(2).buttons[4].macroname = QStringLiteral("name_1");
    m_pDialog->setLiveConfigs([&working] { return std::vector<const ConfigData*>{&working}; });
    QSignalSpy renamed(m_pDialog.get(), &MacroDialog::MacroRenamedSignal);
    m_pDialog->reloadMacros();
    m_pDialog->nameEdit()->setText(QStringLiteral("Burst"));
    m_pDialog->runCommand(MacroCommand::ChangeName);
    QCOMPARE(renamed.size(), 1);
    QCOMPARE(renamed.first(), (QVariantList{QStringLiteral("name_1"), QStringLiteral("Burst")}));
    renameBindings(working, QStringLiteral("name_1"), QStringLiteral("Burst"));

    m_pDialog->runCommand(MacroCommand::DeleteMacro);
    QCOMPARE(m_Questions, QStringList{uiText("This macro is used by %1. Delete it anyway?").arg("Game")});
    QVERIFY(QFile::exists(macroFilePath(QStringLiteral("Burst"))));
    m_bYes = true;
    m_pDialog->runCommand(MacroCommand::DeleteMacro);
    QVERIFY(!QFile::exists(macroFilePath(QStringLiteral("Burst"))));
    QVERIFY(listMacroNames().isEmpty());
}

void MacroDialogFilesTest::gunSetMakesUniqueNameAndLoads()
{
    QVERIFY(saveMacro(QStringLiteral("ak"), MacroFile{}));
    m_Gunset = [](OrnGunsetDialog& dialog) {
        dialog.nameEdit()->setText(QStringLiteral("ak"));
        dialog.moveYBox(0)->setValue(3);
        dialog.OnYesClick();
        return dialog.result() == QDialog::Accepted;
    };
    m_pDialog->runCommand(MacroCommand::GunSet);
    QCOMPARE(listMacroNames(), (QStringList{QStringLiteral("name_1"), QStringLiteral("ak_2")}));
    QCOMPARE(m_pDialog->selectedMacro(), QStringLiteral("ak_2"));
    QCOMPARE(m_pDialog->delayType(), 1);
    QCOMPARE(m_pDialog->model()->rowCount(), 16);
    QCOMPARE(m_pDialog->model()->rowEvent(2), (MacroEvent{2, 3, 0}));
    QCOMPARE(readMacro(QStringLiteral("ak")).events.size(), size_t(0));
}

void MacroDialogFilesTest::gunSetAtFiftyRefused()
{
    for (int i = 2; i <= kMaxMacroCount; ++i)
        addMacroName(QStringLiteral("listed_%1").arg(i));
    bool bOpened = false;
    m_Gunset = [&bOpened](OrnGunsetDialog&) { return bOpened = true; };
    m_pDialog->runCommand(MacroCommand::GunSet);
    QVERIFY(!bOpened);
    QCOMPARE(m_Warnings, QStringList{QStringLiteral("WARNING: TOO MANY MACROS TO BE CREATE!")});
}

QTEST_MAIN(MacroDialogFilesTest)
#include "MacroDialogFilesTest.moc"
