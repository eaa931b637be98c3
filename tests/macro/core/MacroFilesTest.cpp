#include "macro/core/MacroFiles.h"
#include "macro/core/MacroBindings.h"
#include "store/AppSettings.h"
#include "store/DataPaths.h"
#include "store/ProfileFiles.h"

#include "TestDataHome.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTest>

namespace {

MacroFile sample(int count)
{
    MacroFile macro;
    macro.DefaultDelay = 30;
    macro.DelayType = 1;
    macro.LoopType = 2;
    macro.LoopTime = 7;
    for (int i = 0; i < count; ++i)
        macro.events.push_back(MacroEvent{static_cast<quint8>(0x84 - (i % 2) * 0x80), 0, static_cast<quint8>(4 + i)});
    return macro;
}

void setList(std::initializer_list<std::pair<int, const char*>> entries)
{
    QSettings settings(programConfigPath(), QSettings::IniFormat);
    for (const auto& e : entries)
        settings.setValue(QStringLiteral("MACRO_LIST/%1").arg(e.first), QString::fromLatin1(e.second));
}

ButtonInfo binding(int fun, const QString& name)
{
    ButtonInfo button;
    button.Fun = fun;
    button.macroname = name;
    return button;
}

QString listEntry(int index)
{
    const QSettings settings(programConfigPath(), QSettings::IniFormat);
    return settings.value(QStringLiteral("MACRO_LIST/%1").arg(index)).toString();
}

} // namespace

class MacroFilesTest : public QObject
{
    Q_OBJECT

private slots:
    void saveAndReadBack()
    {
        TestDataHome home;
        MacroFile macro = sample(5);
        macro.events.push_back(delayEvent(10000));
        QVERIFY(saveMacro("Fast", macro));
        const QString path = home.path() + "/OSKEN R5/MacroDB/Fast.MSMACRO";
        QCOMPARE(macroFilePath("Fast"), path);
        const QSettings raw(path, QSettings::IniFormat);
        QCOMPARE(raw.value("Setting/MacroFilePath").toString(), path);
        QCOMPARE(raw.value("Setting/Count").toInt(), 6);
        QCOMPARE(raw.value("Setting/WriteSign").toInt(), 1);
        // Event values are written as decimal text.
        QCOMPARE(raw.value("Setting/Map_5").type(), QVariant::String);
        QCOMPARE(raw.value("Setting/Map_5").toString(), QStringLiteral("6"));
        QCOMPARE(raw.value("Setting/DataH_5").toString(), QStringLiteral("3"));
        QCOMPARE(raw.value("Setting/DataL_5").toString(), QStringLiteral("232"));

        const MacroFile back = readMacro("Fast");
        QCOMPARE(back.DefaultDelay, 30);
        QCOMPARE(back.DelayType, 1);
        QCOMPARE(back.LoopType, 2);
        QCOMPARE(back.LoopTime, 7);
        QVERIFY(back.events == macro.events);
    }

    void shorterSaveLeavesOldEventKeys()
    {
        TestDataHome home;
        QVERIFY(saveMacro("M", sample(5)));
        QVERIFY(saveMacro("M", sample(3)));
        const QSettings raw(macroFilePath("M"), QSettings::IniFormat);
        QCOMPARE(raw.value("Setting/Count").toInt(), 3);
        QCOMPARE(raw.value("Setting/DataL_4").toInt(), 8);
        QCOMPARE(int(readMacro("M").events.size()), 3);
    }

    void integerFormAndBadValues()
    {
        TestDataHome home;
        // The gun-set editor's form: integers throughout, no WriteSign; a value too wide keeps its low byte.
        home.writeFile("OSKEN R5/MacroDB/Gun.MSMACRO", "[Setting]\nDefaultDelay=10\nDelayType=1\nLoopType=0\n"
                                                       "LoopTime=1\nCount=3\nMap_0=129\nDataH_0=0\nDataL_0=1\n"
                                                       "Map_1=6\nDataH_1=0\nDataL_1=300\nMap_2=x\n");
        const MacroFile gun = readMacro("Gun");
        QCOMPARE(int(gun.events.size()), 3);
        QCOMPARE(gun.events[0], (MacroEvent{0x81, 0, 1}));
        QCOMPARE(gun.events[1], (MacroEvent{6, 0, 44}));
        QCOMPARE(gun.events[2], (MacroEvent{0, 0, 0}));

        home.writeFile("OSKEN R5/MacroDB/Huge.MSMACRO", "[Setting]\nCount=2000000000\n");
        QCOMPARE(int(readMacro("Huge").events.size()), kMacroReadLimit);
        home.writeFile("OSKEN R5/MacroDB/Negative.MSMACRO", "[Setting]\nCount=-4\n");
        QVERIFY(readMacro("Negative").events.empty());

        const MacroFile missing = readMacro("nothing");
        QVERIFY(missing.events.empty());
        QCOMPARE(missing.DefaultDelay + missing.DelayType + missing.LoopType + missing.LoopTime, 0);
    }

    void namesNeverLeaveTheMacroFolder()
    {
        TestDataHome home;
        const QString outside = home.writeFile("OSKEN R5/Victim.MSMACRO", "[Setting]\nCount=1\n");
        QVERIFY(!saveMacro("../Victim", sample(1)));
        QVERIFY(readMacro("../Victim").events.empty());
        deleteMacroFile("../Victim");
        deleteMacro("../Victim");
        QVERIFY(QFile::exists(outside));
        QVERIFY(!saveMacro("", sample(1)));
        QVERIFY(renameMacro("A", "../B").isEmpty());
    }

    void deleteRemovesTheFile()
    {
        TestDataHome home;
        QVERIFY(saveMacro("Gone", sample(1)));
        deleteMacroFile("Gone");
        QVERIFY(!QFile::exists(macroFilePath("Gone")));
        deleteMacroFile("Gone"); // nothing there: nothing happens
    }

    void nameListOperations()
    {
        TestDataHome home;
        setList({{0, "a"}, {1, ""}, {2, "b"}, {3, "a"}});
        QCOMPARE(listMacroNames(), (QStringList{"a", "b", "a"}));
        QCOMPARE(countMacroNames(), 3);
        QVERIFY(addMacroName("c"));
        QCOMPARE(listEntry(1), QStringLiteral("c"));
        QVERIFY(addMacroName("d"));
        QCOMPARE(listEntry(4), QStringLiteral("d"));
        QVERIFY(removeMacroName("a"));
        QCOMPARE(listEntry(0), QString());
        QCOMPARE(listEntry(3), QStringLiteral("a"));
        QVERIFY(renameMacroName("a", "e"));
        QCOMPARE(listEntry(3), QStringLiteral("e"));
        QCOMPARE(listMacroNames(), (QStringList{"c", "b", "e", "d"}));
        QVERIFY(!removeMacroName("zz"));
        QVERIFY(!renameMacroName("zz", "y"));
        QVERIFY(!addMacroName(""));
    }

    void listHoldsFiftyNames()
    {
        TestDataHome home;
        for (int i = 0; i < 50; ++i)
            QVERIFY(addMacroName(QStringLiteral("m%1").arg(i)));
        QCOMPARE(countMacroNames(), 50);
        QVERIFY(!addMacroName("one more"));
        QCOMPARE(listEntry(49), QStringLiteral("m49"));
        QVERIFY(createMacro().isEmpty());
        QVERIFY(!QDir(macroDirectory()).exists() || QDir(macroDirectory()).isEmpty());
    }

    void newNamesAndCreation()
    {
        TestDataHome home;
        QCOMPARE(newMacroName(), QStringLiteral("name_1"));
        home.writeFile("OSKEN R5/MacroDB/name_1.MSMACRO", "");
        home.writeFile("OSKEN R5/MacroDB/name_2.MSMACRO", "");
        home.writeFile("OSKEN R5/MacroDB/name_4.MSMACRO", "");
        QCOMPARE(newMacroName(), QStringLiteral("name_3"));

        const QString created = createMacro();
        QCOMPARE(created, QStringLiteral("name_3"));
        QCOMPARE(listMacroNames(), QStringList{"name_3"});
        const QSettings raw(macroFilePath(created), QSettings::IniFormat);
        QCOMPARE(raw.value("Setting/Count").toInt(), 0);
        QCOMPARE(raw.value("Setting/WriteSign").toInt(), 1);
        QCOMPARE(raw.value("Setting/DefaultDelay").toInt(), 10);
        QCOMPARE(raw.value("Setting/LoopTime").toInt(), 1);
        QCOMPARE(raw.value("Setting/DelayType").toInt(), 0);
        QCOMPARE(raw.value("Setting/LoopType").toInt(), 0);
        QCOMPARE(createMacro(), QStringLiteral("name_5"));
    }

    void renameAvoidsTakenNames()
    {
        TestDataHome home;
        QVERIFY(saveMacro("old", sample(2)));
        QVERIFY(saveMacro("Taken", sample(1)));
        QVERIFY(saveMacro("Taken_2", sample(1)));
        setList({{0, "Taken"}, {1, "old"}, {2, "Taken_2"}});
        QCOMPARE(renameMacro("old", "Taken"), QStringLiteral("Taken_3"));
        QVERIFY(!QFile::exists(macroFilePath("old")));
        QCOMPARE(int(readMacro("Taken_3").events.size()), 2);
        QCOMPARE(listMacroNames(), (QStringList{"Taken", "Taken_3", "Taken_2"}));
        QCOMPARE(renameMacro("Taken_3", "Fresh"), QStringLiteral("Fresh"));
        QCOMPARE(listEntry(1), QStringLiteral("Fresh"));

        // A name without a file only changes its list entry.
        setList({{3, "ghost"}});
        QCOMPARE(renameMacro("ghost", "spirit"), QStringLiteral("spirit"));
        QCOMPARE(listEntry(3), QStringLiteral("spirit"));
        QVERIFY(!QFile::exists(macroFilePath("spirit")));

        deleteMacro("Fresh");
        QVERIFY(!QFile::exists(macroFilePath("Fresh")));
        QCOMPARE(listEntry(1), QString());
    }

    // A button must not send an empty macro in place of one it cannot read.
    void fileStatesAndMissingBindings()
    {
        TestDataHome home;
        QVERIFY(saveMacro("Saved", sample(1)));
        home.writeFile("OSKEN R5/MacroDB/Gun.MSMACRO", "[Setting]\nCount=0\n");
        home.writeFile("OSKEN R5/MacroDB/Junk.MSMACRO", "not a macro\n");
        home.writeFile("OSKEN R5/MacroDB/Cut.MSMACRO", "[Setting\nCount=3\n");
        home.makeSpecial("OSKEN R5/MacroDB/Pipe.MSMACRO", TestDataHome::Special::Fifo);
        QCOMPARE(macroFileState("Saved"), MacroFileState::Ok);
        QCOMPARE(macroFileState("Gun"), MacroFileState::Ok);
        QCOMPARE(macroFileState("Junk"), MacroFileState::Unreadable);
        QCOMPARE(macroFileState("Cut"), MacroFileState::Unreadable);
        QCOMPARE(macroFileState("Pipe"), MacroFileState::Unreadable);
        QVERIFY(readMacro("Pipe").events.empty()); // and does not block
        QCOMPARE(macroFileState("Gone"), MacroFileState::Missing);
        QCOMPARE(macroFileState("../Saved"), MacroFileState::Missing);

        ProfileData record;
        const char* bound[] = {"Saved", "Gone", "Junk", "Gone", "Gun", "Pipe"};
        for (int i = 0; i < 6; ++i)
            record.buttons[i] = binding(i == 4 ? 510 : 200, bound[i]);
        record.buttons[7] = binding(1, "Ghost"); // a left-over name on a button that runs no macro
        record.buttons[8] = binding(510, "Lost");
        QCOMPARE(missingMacros(record), (QStringList{"Gone", "Junk", "Pipe", "Lost"}));
    }

    void renameMovesEveryBinding()
    {
        TestDataHome home;
        QVERIFY(writeCurrentProductName("OSKEN R5"));
        ProfileData p1;
        p1.pollrate = 8;
        p1.buttons[3] = binding(200, "old");
        p1.buttons[5] = binding(510, "old");
        p1.buttons[6] = binding(1, "old");
        ProfileData p2;
        p2.buttons[0] = binding(200, "other");
        QVERIFY(saveProfile(p1, profileFilePath("P1"), profileGroup()));
        QVERIFY(saveProfile(p2, profileFilePath("P2"), profileGroup()));
        ConfigData working;
        working.slotProfileNames = {"Profile 1", "Unsaved", "P1", "P2", "Profile 5"};
        working.slot(1).buttons[9] = binding(200, "old");
        ConfigData saved = working;
        saved.slot(1).buttons[9] = binding(200, "other");

        QCOMPARE(macroUsers("old", {&working, &saved}), (QStringList{"Unsaved", "P1"}));
        QVERIFY(renameMacroBindings("old", "new", {&working, &saved}));
        QCOMPARE(working.slot(1).buttons[9].macroname, QStringLiteral("new"));
        QCOMPARE(saved.slot(1).buttons[9].macroname, QStringLiteral("other"));
        ProfileData read;
        loadProfile(read, profileFilePath("P1"), profileGroup());
        QCOMPARE(read.buttons[3].macroname, QStringLiteral("new"));
        QCOMPARE(read.buttons[5].macroname, QStringLiteral("new"));
        QCOMPARE(read.buttons[6].macroname, QStringLiteral("old"));
        QCOMPARE(int(read.pollrate), 8);
        QVERIFY(macroUsers("old", {&working, &saved}).isEmpty());
        QCOMPARE(macroUsers("other", {&working, &saved}), (QStringList{"Unsaved", "P2"}));
    }
};

QTEST_GUILESS_MAIN(MacroFilesTest)
#include "MacroFilesTest.moc"
