#include "CommandRig.h"

#include "look/UiText.h"
#include "store/ProfileDefaults.h"
#include "store/RecordEquality.h"

#include <QTest>

class TestWriteCommands : public QObject
{
    Q_OBJECT
private slots:
    void receiverPulledDuringTheWrite();
    void resetRefusedOrDone();
    void resetAllProfiles();
    void okWritesThenHides();
    void cancelHidesAndReloads();
};

void TestWriteCommands::receiverPulledDuringTheWrite()
{
    VirtualRig rig;
    writeDiff(1);
    rig.iUnplugAt = 4;
    QCOMPARE(rig.commands->writeOut(), DeviceResult::WriteFailed);
    QCOMPARE(rig.answers.messages, QStringList{uiText("Send data failed, please try again.")});
    QCOMPARE(rig.receiver->firmware().sessionEnds(), 0);
    QCOMPARE(readDiff(), 1);
    QVERIFY(rig.saved() == rig.working());
}

void TestWriteCommands::resetRefusedOrDone()
{
    CommandRig rig;
    rig.setActive(1, "Mine");
    rig.working().slot(1).ProfileName = "Mine";
    rig.working().slot(1).scrollspeed = 9;
    rig.answers.confirmAnswer = 0;
    rig.commands->reset();
    QCOMPARE(rig.answers.messages, QStringList{uiText("Are you sure you want reset this profile?")});
    QCOMPARE(int(rig.working().slot(1).scrollspeed), 9);
    QVERIFY(rig.window.calls.isEmpty());

    rig.answers.confirmAnswer = 1;
    rig.commands->reset();
    ProfileData expected;
    setProfileDefaults(expected);
    expected.ProfileName = "Mine";
    QVERIFY(rig.working().slot(1) == expected);
    QCOMPARE(rig.window.calls, (QStringList{"setTexts", "refreshEditors", "showActiveSlot"}));
    QVERIFY(!rig.mouse.frames.empty());
    ProfileData stored;
    loadProfile(stored, profileFilePath("Mine"), profileGroup());
    QVERIFY(stored == expected);
}

void TestWriteCommands::resetAllProfiles()
{
    CommandRig rig;
    rig.listProfiles({"Profile 1", "Mine"});
    rig.setActive(3, "Mine");
    rig.working().slot(0).pollrate = 8;
    rig.commands->resetAll();
    QCOMPARE(rig.answers.messages, QStringList{uiText("Are you sure you want reset all profiles?")});
    ProfileData defaults;
    setProfileDefaults(defaults);
    for (int i = 0; i < kSlotCount; ++i) {
        QCOMPARE(rig.working().slotProfileNames[i], defaultProfileName(i));
        QCOMPARE(int(rig.working().slot(i).pollrate), int(defaults.pollrate));
    }
    QCOMPARE(int(rig.working().ProfileID), 0);
    // The default profiles are back in the library.
    QCOMPARE(rig.profileList, (QStringList{"Profile 1", "Mine", "Profile 2", "Profile 3", "Profile 4", "Profile 5"}));
    ConfigData reloaded;
    loadConfig(reloaded);
    QCOMPARE(reloaded.slotProfileNames[3], QString("Profile 4"));
    QCOMPARE(int(reloaded.slot(0).pollrate), int(defaults.pollrate));
}

void TestWriteCommands::okWritesThenHides()
{
    CommandRig rig;
    rig.working().slot(0).pollrate = 4;
    rig.commands->ok();
    QVERIFY(!rig.mouse.frames.empty());
    QCOMPARE(rig.window.calls, QStringList{"hideWindow"});
    QCOMPARE(int(rig.saved().slot(0).pollrate), 4);

    // Hidden whatever the result.
    rig.asleep = true;
    rig.working().slot(0).pollrate = 8;
    rig.commands->ok();
    QCOMPARE(rig.window.calls, (QStringList{"hideWindow", "hideWindow"}));
    QCOMPARE(rig.answers.messages, QStringList{uiText("Mouse is sleeping or not connected.")});
}

void TestWriteCommands::cancelHidesAndReloads()
{
    CommandRig rig;
    rig.working().ProfileID = 3;
    rig.commands->cancel();
    QCOMPARE(rig.window.calls, (QStringList{"hideWindow", "selectSlot 3 1"}));
    QVERIFY(rig.mouse.frames.empty());
}

QTEST_MAIN(TestWriteCommands)
#include "tst_write_commands.moc"
