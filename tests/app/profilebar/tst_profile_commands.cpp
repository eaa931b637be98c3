#include "CommandRig.h"

#include "look/UiText.h"
#include "store/ProfileDefaults.h"

#include <QFile>
#include <QTest>

namespace {

const QStringList kDefaults{"Profile 1", "Profile 2", "Profile 3", "Profile 4", "Profile 5"};

int storedMarker(const QString& path)
{
    ProfileData record;
    loadProfile(record, path, profileGroup());
    return record.scrollspeed;
}

ConfigData storedAssignment()
{
    ConfigData config;
    loadConfig(config);
    return config;
}

} // namespace

class TestProfileCommands : public QObject
{
    Q_OBJECT
private slots:
    void addTakesTheFirstFreeNumber();
    void addSkipsListedNamesWithoutFiles();
    void copyNames();
    void deleteRefusals_data();
    void deleteRefusals();
    void deletePicksTheReplacement_data();
    void deletePicksTheReplacement();
    void renameRefusals_data();
    void renameRefusals();
    void renameMovesFileListAndSlot();
    void choosingAProfile();
};

void TestProfileCommands::addTakesTheFirstFreeNumber()
{
    CommandRig rig;
    for (int n = 1; n <= 5; ++n)
        rig.storeProfile(QString("Profile %1").arg(n), n);
    rig.commands->add();
    QCOMPARE(rig.working().slotProfileNames[0], QString("Profile 6"));
    QCOMPARE(rig.profileList, kDefaults + QStringList{"Profile 6"});
    QCOMPARE(loadProfileList(), rig.profileList);
    QCOMPARE(rig.window.menu, rig.profileList);
    QVERIFY(rig.window.calls.contains("refreshEditors"));
    // The new record is the product's defaults, read from the new file.
    ProfileData defaults;
    setProfileDefaults(defaults);
    QCOMPARE(int(rig.working().slot(0).scrollspeed), int(defaults.scrollspeed));
    QVERIFY(QFile::exists(profileFilePath("Profile 6")));

    // A gap left by a deleted file is filled first.
    rig.setActive(1, "Profile 2");
    rig.commands->add(); // Profile 7
    rig.setActive(2, "Profile 3");
    rig.commands->add(); // Profile 8
    rig.working().ProfileID = 1;
    rig.commands->remove();
    QVERIFY(!QFile::exists(profileFilePath("Profile 7")));
    QVERIFY(QFile::exists(profileFilePath("Profile 8")));
    rig.setActive(3, "Profile 4");
    rig.commands->add();
    QCOMPARE(rig.working().slotProfileNames[3], QString("Profile 7"));
    QCOMPARE(rig.answers.messages, QStringList{uiText("Are you sure you want delete this profile?")});
}

void TestProfileCommands::addSkipsListedNamesWithoutFiles()
{
    // First start: the default profiles are listed and assigned but have no files yet.
    CommandRig rig;
    rig.commands->add();
    QCOMPARE(rig.working().slotProfileNames[0], QString("Profile 6"));
    QCOMPARE(rig.profileList.count("Profile 1"), 1);
}

void TestProfileCommands::copyNames()
{
    CommandRig rig;
    rig.storeProfile("Profile 2", 42);
    rig.setActive(1, "Profile 2");
    rig.commands->copy();
    QCOMPARE(rig.working().slotProfileNames[1], QString("Profile 2 copy"));
    QCOMPARE(storedMarker(profileFilePath("Profile 2 copy")), 42);

    rig.commands->chooseProfile("Profile 2");
    rig.commands->copy();
    QCOMPARE(rig.working().slotProfileNames[1], QString("Profile 2 copy 2"));
    QCOMPARE(rig.profileList, (kDefaults + QStringList{"Profile 2 copy", "Profile 2 copy 2"}));
    QCOMPARE(loadProfileList(), rig.profileList);
    QCOMPARE(rig.window.menu, rig.profileList);

    // A profile without a file is copied from the record the slot holds.
    rig.setActive(3, "Profile 4");
    rig.working().slot(3).scrollspeed = 9;
    rig.commands->copy();
    QCOMPARE(rig.working().slotProfileNames[3], QString("Profile 4 copy"));
    QCOMPARE(storedMarker(profileFilePath("Profile 4 copy")), 9);
    QVERIFY(rig.answers.messages.isEmpty());
}

void TestProfileCommands::deleteRefusals_data()
{
    QTest::addColumn<QStringList>("list");
    QTest::addColumn<QStringList>("slotNames");
    QTest::addColumn<int>("confirmAnswer");
    QTest::addColumn<QStringList>("messages");
    const QString confirmText = uiText("Are you sure you want delete this profile?");
    QTest::addRow("one profile left") << QStringList{"Mine"} << QStringList{"Mine", "P2", "P3", "P4", "P5"} << 1
                                      << QStringList{uiText("AT LEAST ONE PROFILE TO BE RETAINED.")};
    QTest::addRow("default profile") << kDefaults << kDefaults << 1
                                     << QStringList{uiText("The default Profile cannot be deleted or renamed.")};
    QTest::addRow("answered no") << QStringList{"Mine", "Other"} << QStringList{"Mine", "P2", "P3", "P4", "P5"} << 0
                                 << QStringList{confirmText};
    // Every other entry belongs to another slot: nothing could take the active slot's place.
    QTest::addRow("no free replacement") << QStringList{"Mine", "P2", "P3", "P4", "P5"}
                                         << QStringList{"Mine", "P2", "P3", "P4", "P5"} << 1
                                         << QStringList{uiText("AT LEAST ONE PROFILE TO BE RETAINED.")};
}

void TestProfileCommands::deleteRefusals()
{
    QFETCH(QStringList, list);
    QFETCH(QStringList, slotNames);
    QFETCH(int, confirmAnswer);
    QFETCH(QStringList, messages);
    CommandRig rig;
    rig.listProfiles(list);
    for (int i = 0; i < kSlotCount; ++i)
        rig.working().slotProfileNames[i] = slotNames[i];
    rig.storeProfile(slotNames[0], 5);
    rig.answers.confirmAnswer = confirmAnswer;
    const ConfigData before = rig.working();

    rig.commands->remove();
    QCOMPARE(rig.answers.messages, messages);
    QCOMPARE(rig.profileList, list);
    QCOMPARE(loadProfileList(), list);
    QCOMPARE(rig.working().slotProfileNames, before.slotProfileNames);
    QVERIFY(QFile::exists(profileFilePath(slotNames[0])));
    QVERIFY(rig.window.calls.isEmpty());
}

void TestProfileCommands::deletePicksTheReplacement_data()
{
    QTest::addColumn<QStringList>("list");
    QTest::addColumn<QString>("otherSlot"); // held by slot 3
    QTest::addColumn<QString>("removed");   // held by slot 4, the active one
    QTest::addColumn<QString>("replacement");
    QTest::addRow("next entry") << QStringList{"P1", "A", "B", "C"} << "P1"
                                << "A"
                                << "B";
    QTest::addRow("last entry takes the one before") << QStringList{"P1", "A", "B"} << "P1"
                                                     << "B"
                                                     << "A";
    QTest::addRow("used entry skipped towards the start") << QStringList{"P1", "A", "B", "C"} << "C"
                                                          << "B"
                                                          << "A";
    QTest::addRow("past the start, after the candidate") << QStringList{"A", "B", "C"} << "B"
                                                         << "A"
                                                         << "C";
}

void TestProfileCommands::deletePicksTheReplacement()
{
    QFETCH(QStringList, list);
    QFETCH(QString, otherSlot);
    QFETCH(QString, removed);
    QFETCH(QString, replacement);
    CommandRig rig;
    rig.listProfiles(list);
    rig.working().slotProfileNames = {"S1", "S2", "S3", otherSlot, removed};
    rig.working().ProfileID = 4;
    for (int i = 0; i < list.size(); ++i)
        rig.storeProfile(list[i], 10 + i);

    rig.commands->remove();
    QCOMPARE(rig.answers.messages, QStringList{uiText("Are you sure you want delete this profile?")});
    QVERIFY(!QFile::exists(profileFilePath(removed)));
    QStringList expected = list;
    expected.removeAll(removed);
    QCOMPARE(rig.profileList, expected);
    QCOMPARE(loadProfileList(), expected);
    QCOMPARE(rig.window.menu, expected);
    QCOMPARE(rig.working().slotProfileNames[4], replacement);
    QCOMPARE(int(rig.working().slot(4).scrollspeed), 10 + int(list.indexOf(replacement)));
    QCOMPARE(rig.working().slot(4).ProfileName, replacement);
    QCOMPARE(rig.window.calls.last(), QString("refreshEditors"));
}

void TestProfileCommands::renameRefusals_data()
{
    QTest::addColumn<QString>("current");
    QTest::addColumn<QString>("newName");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("fieldRestored");
    QTest::addRow("default profile") << "Profile 3"
                                     << "Mine" << uiText("The default Profile cannot be deleted or renamed.") << true;
    QTest::addRow("file exists") << "Mine"
                                 << "Other" << uiText("Profile Exist!") << false;
    QTest::addRow("listed, no file yet") << "Mine"
                                         << "Profile 5" << uiText("Profile Exist!") << false;
    QTest::addRow("held by another slot") << "Mine"
                                          << "Elsewhere" << uiText("Profile Exist!") << false;
    QTest::addRow("path") << "Mine"
                          << "../x" << uiText("Please input file name.") << true;
    QTest::addRow("empty") << "Mine" << QString() << uiText("Please input file name.") << true;
    QTest::addRow("defaults file") << "Mine"
                                   << "DefaultProfile" << uiText("Please input file name.") << true;
}

void TestProfileCommands::renameRefusals()
{
    QFETCH(QString, current);
    QFETCH(QString, newName);
    QFETCH(QString, message);
    QFETCH(bool, fieldRestored);
    CommandRig rig;
    const QStringList list = kDefaults + QStringList{"Mine", "Other"};
    rig.listProfiles(list);
    rig.storeProfile("Mine", 1);
    rig.storeProfile("Other", 2);
    rig.setActive(2, current);
    rig.working().slotProfileNames[0] = "Elsewhere";
    const ConfigData before = rig.working();

    rig.commands->rename(newName);
    QCOMPARE(rig.answers.messages, QStringList{message});
    QCOMPARE(rig.window.calls, fieldRestored ? QStringList{"showActiveSlot"} : QStringList{});
    QCOMPARE(rig.working().slotProfileNames, before.slotProfileNames);
    QCOMPARE(rig.profileList, list);
    QCOMPARE(storedMarker(profileFilePath("Mine")), 1);
    QCOMPARE(storedMarker(profileFilePath("Other")), 2);
}

void TestProfileCommands::renameMovesFileListAndSlot()
{
    CommandRig rig;
    rig.listProfiles(kDefaults + QStringList{"Mine", "Other"});
    rig.storeProfile("Mine", 7);
    rig.setActive(2, "Mine");

    rig.commands->rename("Ours");
    QVERIFY(rig.answers.messages.isEmpty());
    QVERIFY(!QFile::exists(profileFilePath("Mine")));
    QCOMPARE(storedMarker(profileFilePath("Ours")), 7);
    const QStringList expected = kDefaults + QStringList{"Ours", "Other"};
    QCOMPARE(rig.profileList, expected);
    QCOMPARE(rig.window.menu, expected);
    // Both the library and the slot assignment survive a restart.
    QCOMPARE(loadProfileList(), expected);
    const ConfigData stored = storedAssignment();
    QCOMPARE(stored.slotProfileNames[2], QString("Ours"));
    QCOMPARE(int(stored.ProfileID), 2);
    QCOMPARE(rig.working().slot(2).ProfileName, QString("Ours"));
}

void TestProfileCommands::choosingAProfile()
{
    CommandRig rig;
    rig.listProfiles(kDefaults + QStringList{"Mine"});
    rig.storeProfile("Mine", 33);
    rig.setActive(1, "Profile 2");
    const ConfigData before = rig.working();

    // Slot 0 holds "Profile 1".
    rig.commands->chooseProfile("Profile 1");
    QCOMPARE(rig.answers.messages, QStringList{uiText("Profile is Already Used!")});
    QVERIFY(rig.window.calls.isEmpty());
    QCOMPARE(rig.working().slotProfileNames, before.slotProfileNames);
    QCOMPARE(int(rig.working().slot(1).scrollspeed), int(before.slot(1).scrollspeed));

    rig.commands->chooseProfile("Mine");
    QCOMPARE(rig.answers.messages.size(), 1);
    QCOMPARE(rig.working().slotProfileNames[1], QString("Mine"));
    QCOMPARE(int(rig.working().slot(1).scrollspeed), 33);
    QCOMPARE(rig.working().slot(1).ProfileName, QString("Mine"));
    QCOMPARE(rig.window.calls, (QStringList{"showActiveSlot", "refreshEditors"}));
    // Nothing is written: the choice waits for Apply.
    QVERIFY(rig.mouse.frames.empty());
}

QTEST_MAIN(TestProfileCommands)
#include "tst_profile_commands.moc"
