#include "CommandRig.h"

#include "app/profilebar/OrnProcessDialog.h"
#include "look/UiText.h"
#include "store/DataPaths.h"
#include "store/ProfileDefaults.h"
#include "store/RecordEquality.h"

#include <QDir>
#include <QFile>
#include <QProgressBar>
#include <QSettings>
#include <QTest>

// What the write-out model does not look at: the profile library, the refusals and their messages, the
// questions asked, and what the window is told.

namespace {

const QStringList kDefaults{"Profile 1", "Profile 2", "Profile 3", "Profile 4", "Profile 5"};

int storedMarker(const QString& path)
{
    ProfileData record;
    loadProfile(record, path, profileGroup());
    return record.scrollspeed;
}

// The library as held, as stored and as the menu shows it.
void checkList(const CommandRig& rig, const QStringList& expected)
{
    QCOMPARE(rig.profileList, expected);
    QCOMPARE(loadProfileList(), expected);
    QCOMPARE(rig.window.menu, expected);
}

// Follows the bar of each progress dialog that opens, and tries to close it at once: only the end of the
// write-out may.
class ProgressWatch : public QObject
{
public:
    QList<int> steps;
    bool eventFilter(QObject* object, QEvent* event) override
    {
        auto* dialog = qobject_cast<OrnProcessDialog*>(object);
        if (dialog && event->type() == QEvent::Show) {
            connect(dialog->progressBar(), &QProgressBar::valueChanged, this, [this](int iValue) { steps << iValue; });
            QMetaObject::invokeMethod(
                dialog,
                [dialog] {
                    QTest::keyClick(dialog, Qt::Key_Escape);
                    dialog->close();
                },
                Qt::QueuedConnection);
        }
        return false;
    }
};

} // namespace

class ProfileCommandsTest : public QObject
{
    Q_OBJECT
private slots:
    // A profile never stored is exported from the slot's record, over whatever the chosen file held.
    void exportReplacesTheChosenFile()
    {
        CommandRig rig;
        rig.working().slot(0).scrollspeed = 12;
        rig.answers.savePath = rig.home.writeFile("exchange/Old.prof", "[Old]\nkept=1\n");
        rig.commands->exportProfile();
        QCOMPARE(rig.answers.captions, QStringList{"Save Profile File|Profile File(*.prof)"});
        QVERIFY(rig.answers.messages.isEmpty());
        QCOMPARE(storedMarker(rig.answers.savePath), 12);
        QCOMPARE(readMouseName(rig.answers.savePath), QString("OSKEN R5"));
        QVERIFY(!QSettings(rig.answers.savePath, QSettings::IniFormat).contains("Old/kept"));
        // No partial file is left beside it.
        QCOMPARE(QDir(rig.home.path() + "/exchange").entryList(QDir::Files), QStringList{"Old.prof"});
    }

    // A new name joins the library, takes the active slot and goes to the mouse; anything else is refused.
    void importProfile_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<bool>("bRecord");    // the file holds a whole record
        QTest::addColumn<QString>("product"); // empty: no tag
        QTest::addColumn<QString>("message");
        const QString ours = "OSKEN R5";
        const QString other = uiText("The file is not match current mouse!");
        const QString exists = uiText("Profile Exist!");
        const QString badName = uiText("This name cannot be used for a profile.");
        QTest::addRow("new name") << "Shared.prof" << true << ours << QString();
        QTest::addRow("other product") << "Theirs.prof" << true << QString("Wireless Mouse") << other;
        QTest::addRow("untagged") << "Theirs.prof" << true << QString() << other;
        QTest::addRow("file of that name exists") << "Mine.prof" << true << ours << exists;
        QTest::addRow("listed name") << "Profile 5.prof" << true << ours << exists;
        QTest::addRow("defaults file") << "DefaultProfile.prof" << true << ours << badName;
        QTest::addRow("only its tag") << "Tag.prof" << false << ours << uiText("The profile file is damaged.");
    }
    void importProfile()
    {
        QFETCH(QString, product);
        QFETCH(QString, message);
        CommandRig rig;
        rig.listProfiles(kDefaults + QStringList{"Mine"});
        rig.storeProfile("Mine", 3);
        writeDefaultProfileFile();
        QFETCH(QString, fileName);
        rig.answers.openPath = rig.exchangePath(fileName);
        ProfileData record;
        record.scrollspeed = 99;
        QFETCH(bool, bRecord);
        if (bRecord)
            QVERIFY(saveProfile(record, rig.answers.openPath, profileGroup()));
        if (!product.isEmpty())
            QVERIFY(writeMouseName(rig.answers.openPath, product));

        rig.setActive(3, "Profile 4");
        const ConfigData before = rig.working();
        rig.commands->importProfile();
        QCOMPARE(rig.answers.captions, QStringList{"Load Profile File|Profile File(*.prof)"});
        QCOMPARE(storedMarker(profileFilePath("Mine")), 3);
        if (message.isEmpty()) {
            QVERIFY(rig.answers.messages.isEmpty());
            checkList(rig, kDefaults + QStringList{"Mine", "Shared"});
            QCOMPARE(rig.working().slotProfileNames[3], QString("Shared"));
            QCOMPARE(int(rig.working().slot(3).scrollspeed), 99);
            QCOMPARE(storedMarker(profileFilePath("Shared")), 99);
            return;
        }
        QCOMPARE(rig.answers.messages, QStringList{message});
        QCOMPARE(rig.profileList, kDefaults + QStringList{"Mine"});
        QVERIFY(rig.working() == before);
        QVERIFY(rig.mouse.frames.empty());
        QVERIFY(rig.window.calls.isEmpty());
    }

    void saveThenLoadConfiguration()
    {
        CommandRig rig;
        rig.working().slot(1).pollrate = 2;
        rig.working().slotProfileNames[4] = "Carried";
        rig.answers.savePath = rig.answers.openPath = rig.exchangePath("All.conf");
        rig.commands->saveConfiguration();
        QCOMPARE(readMouseName(rig.answers.savePath), QString("OSKEN R5"));
        QVERIFY(rig.mouse.frames.empty());

        rig.working().slot(1).pollrate = 4;
        rig.working().slotProfileNames[4] = "Profile 5";
        rig.commands->loadConfiguration();
        QCOMPARE(rig.answers.captions,
                 (QStringList{"Save Config File|Config File(*.conf)", "Load Config File|Config File(*.conf)"}));
        QVERIFY(rig.answers.messages.isEmpty());
        QCOMPARE(int(rig.working().slot(1).pollrate), 2);
        QCOMPARE(rig.working().slotProfileNames[4], QString("Carried"));
        QVERIFY(rig.saved() == rig.working());
        // A name the file brought joins the library.
        QVERIFY(loadProfileList().contains("Carried"));
        QVERIFY(rig.window.calls.contains("showLoadedConfiguration"));
    }

    void loadConfigurationRefusals_data()
    {
        QTest::addColumn<QString>("product");
        QTest::addColumn<bool>("bCut"); // a record cut short
        QTest::addColumn<QString>("secondName");
        QTest::addColumn<QString>("message");
        const QString ours = "OSKEN R5";
        QTest::addRow("other product") << QString("Wireless Mouse") << false << "Profile 2"
                                       << uiText("The file is not match current mouse!");
        QTest::addRow("two slots, one name")
            << ours << false << "Profile 1" << uiText("The configuration file names one profile for two slots.");
        QTest::addRow("name leaving the folder")
            << ours << false << "../Profile 2" << uiText("This name cannot be used for a profile.");
        QTest::addRow("damaged") << ours << true << "Profile 2" << uiText("The configuration file is damaged.");
    }
    void loadConfigurationRefusals()
    {
        QFETCH(QString, product);
        QFETCH(QString, secondName);
        QFETCH(bool, bCut);
        QFETCH(QString, message);
        CommandRig rig;
        ConfigData other = rig.working();
        other.slot(0).pollrate = 8;
        other.slotProfileNames[1] = secondName;
        rig.answers.openPath = rig.exchangePath("Other.conf");
        QVERIFY(writeMouseName(rig.answers.openPath, product));
        QVERIFY(exportConfig(other, rig.answers.openPath));
        if (bCut)
            QSettings(rig.answers.openPath, QSettings::IniFormat).remove("PROFILE_2/pollrate");
        const ConfigData before = rig.working();

        rig.commands->loadConfiguration();
        QCOMPARE(rig.answers.messages, QStringList{message});
        QVERIFY(rig.working() == before);
        QVERIFY(rig.saved() == before);
        QVERIFY(rig.mouse.frames.empty());
    }

    // First start: the default profiles are listed but have no files, and their numbers are taken. Which
    // number is free is the profile list test's.
    void addTakesTheFirstFreeNumber()
    {
        CommandRig rig;
        rig.commands->add();
        QCOMPARE(rig.working().slotProfileNames[0], QString("Profile 6"));
        checkList(rig, kDefaults + QStringList{"Profile 6"});
        QVERIFY(rig.window.calls.contains("refreshEditors"));
        // The new record is the product's defaults, read from the new file.
        ProfileData defaults;
        setProfileDefaults(defaults);
        QCOMPARE(int(rig.working().slot(0).scrollspeed), int(defaults.scrollspeed));
        QVERIFY(QFile::exists(profileFilePath("Profile 6")));
    }

    void copyNames()
    {
        CommandRig rig;
        rig.storeProfile("Profile 2", 42);
        rig.setActive(1, "Profile 2");
        rig.commands->copy();
        QCOMPARE(rig.working().slotProfileNames[1], QString("Profile 2 copy"));
        QCOMPARE(storedMarker(profileFilePath("Profile 2 copy")), 42);
        checkList(rig, kDefaults + QStringList{"Profile 2 copy"});

        // A profile without a file is copied from the record the slot holds.
        rig.setActive(3, "Profile 4");
        rig.working().slot(3).scrollspeed = 9;
        rig.commands->copy();
        QCOMPARE(rig.working().slotProfileNames[3], QString("Profile 4 copy"));
        QCOMPARE(storedMarker(profileFilePath("Profile 4 copy")), 9);
        QVERIFY(rig.answers.messages.isEmpty());
    }

    void deleteRefusals_data()
    {
        QTest::addColumn<QStringList>("list");
        QTest::addColumn<QStringList>("slotNames");
        QTest::addColumn<int>("confirmAnswer");
        QTest::addColumn<QString>("message");
        const QStringList mine{"Mine", "P2", "P3", "P4", "P5"};
        const QString retain = uiText("AT LEAST ONE PROFILE TO BE RETAINED.");
        QTest::addRow("one profile left") << QStringList{"Mine"} << mine << 1 << retain;
        QTest::addRow("default profile") << kDefaults << kDefaults << 1
                                         << uiText("The default Profile cannot be deleted or renamed.");
        QTest::addRow("answered no") << QStringList{"Mine", "Other"} << mine << 0
                                     << uiText("Are you sure you want delete this profile?");
        // Every other entry belongs to another slot: nothing could take the active slot's place.
        QTest::addRow("no free replacement") << mine << mine << 1 << retain;
    }
    void deleteRefusals()
    {
        QFETCH(QStringList, list);
        QFETCH(QStringList, slotNames);
        CommandRig rig;
        rig.listProfiles(list);
        for (int i = 0; i < kSlotCount; ++i)
            rig.working().slotProfileNames[i] = slotNames[i];
        rig.storeProfile(slotNames[0], 5);
        QFETCH(int, confirmAnswer);
        rig.answers.confirmAnswer = confirmAnswer;
        const ConfigData before = rig.working();

        rig.commands->remove();
        QTEST(rig.answers.messages.join(""), "message");
        QCOMPARE(rig.profileList, list);
        QCOMPARE(loadProfileList(), list);
        QCOMPARE(rig.working().slotProfileNames, before.slotProfileNames);
        QVERIFY(QFile::exists(profileFilePath(slotNames[0])));
        QVERIFY(rig.window.calls.isEmpty());
    }

    void deletePicksTheReplacement_data()
    {
        QTest::addColumn<QStringList>("list");
        QTest::addColumn<QString>("names"); // held by slot 3, held by the active slot 4, its replacement
        QTest::addRow("next entry") << QStringList{"P1", "A", "B", "C"} << "P1 A B";
        QTest::addRow("last entry takes the one before") << QStringList{"P1", "A", "B"} << "P1 B A";
        QTest::addRow("used entry skipped towards the start") << QStringList{"P1", "A", "B", "C"} << "C B A";
        QTest::addRow("past the start, after the candidate") << QStringList{"A", "B", "C"} << "B A C";
    }
    void deletePicksTheReplacement()
    {
        QFETCH(QStringList, list);
        QFETCH(QString, names);
        const QString removed = names.section(' ', 1, 1);
        const QString replacement = names.section(' ', 2);
        CommandRig rig;
        rig.listProfiles(list);
        rig.working().slotProfileNames = {"S1", "S2", "S3", names.section(' ', 0, 0), removed};
        rig.working().ProfileID = 4;
        for (int i = 0; i < list.size(); ++i)
            rig.storeProfile(list[i], 10 + i);

        rig.commands->remove();
        QCOMPARE(rig.answers.messages, QStringList{uiText("Are you sure you want delete this profile?")});
        QVERIFY(!QFile::exists(profileFilePath(removed)));
        QStringList expected = list;
        expected.removeAll(removed);
        checkList(rig, expected);
        QCOMPARE(rig.working().slotProfileNames[4], replacement);
        QCOMPARE(int(rig.working().slot(4).scrollspeed), 10 + int(list.indexOf(replacement)));
        QCOMPARE(rig.working().slot(4).ProfileName, replacement);
        QCOMPARE(rig.window.calls.last(), QString("refreshEditors"));
    }

    // The file, the library and the slot follow a new name; anything else is refused and the field restored.
    // Which names are usable is the profile list test's table; one bad name shows the command asks it.
    void rename_data()
    {
        QTest::addColumn<QString>("newName");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("fieldRestored");
        QTest::addColumn<QString>("current");
        const QString mine = "Mine";
        const QString exists = uiText("Profile Exist!");
        const QString badName = uiText("Please input file name.");
        QTest::addRow("default profile") << "Mine" << uiText("The default Profile cannot be deleted or renamed.")
                                         << true << QString("Profile 3");
        QTest::addRow("renamed") << "Ours" << QString() << false << mine;
        QTest::addRow("file exists") << "Other" << exists << false << mine;
        QTest::addRow("listed, no file yet") << "Profile 5" << exists << false << mine;
        QTest::addRow("held by another slot") << "Elsewhere" << exists << false << mine;
        QTest::addRow("path") << "../x" << badName << true << mine;
    }
    void rename()
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
        QCOMPARE(storedMarker(profileFilePath("Other")), 2);
        if (message.isEmpty()) {
            QVERIFY(rig.answers.messages.isEmpty());
            QVERIFY(!QFile::exists(profileFilePath("Mine")));
            QCOMPARE(storedMarker(profileFilePath("Ours")), 1);
            checkList(rig, kDefaults + QStringList{"Ours", "Other"});
            // The slot assignment survives a restart.
            ConfigData stored;
            loadConfig(stored);
            QCOMPARE(stored.slotProfileNames[2], QString("Ours"));
            QCOMPARE(int(stored.ProfileID), 2);
            QCOMPARE(rig.working().slot(2).ProfileName, QString("Ours"));
            return;
        }
        QCOMPARE(rig.answers.messages, QStringList{message});
        QCOMPARE(rig.window.calls, fieldRestored ? QStringList{"showActiveSlot"} : QStringList{});
        QCOMPARE(rig.working().slotProfileNames, before.slotProfileNames);
        QCOMPARE(rig.profileList, list);
        QCOMPARE(storedMarker(profileFilePath("Mine")), 1);
    }

    void choosingAProfile()
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
        QVERIFY(rig.working() == before);

        rig.commands->chooseProfile("Mine");
        QCOMPARE(rig.answers.messages.size(), 1);
        QCOMPARE(rig.working().slotProfileNames[1], QString("Mine"));
        QCOMPARE(int(rig.working().slot(1).scrollspeed), 33);
        QCOMPARE(rig.working().slot(1).ProfileName, QString("Mine"));
        QCOMPARE(rig.window.calls, (QStringList{"showActiveSlot", "refreshEditors"}));
        // Nothing is written: the choice waits for Apply.
        QVERIFY(rig.mouse.frames.empty());
    }

    void resetRefusedOrDone()
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

    void resetAllProfiles()
    {
        CommandRig rig;
        rig.listProfiles({"Profile 1", "Mine"});
        rig.setActive(3, "Mine");
        rig.working().slot(0).pollrate = 8;
        rig.commands->resetAll();
        QCOMPARE(rig.answers.messages, QStringList{uiText("Are you sure you want reset all profiles?")});
        ProfileData defaults;
        setProfileDefaults(defaults);
        QCOMPARE(int(rig.working().ProfileID), 0);
        // The default profiles are back in the library and in the stored assignment.
        QCOMPARE(rig.profileList,
                 (QStringList{"Profile 1", "Mine", "Profile 2", "Profile 3", "Profile 4", "Profile 5"}));
        ConfigData reloaded;
        loadConfig(reloaded);
        for (int i = 0; i < kSlotCount; ++i) {
            QCOMPARE(reloaded.slotProfileNames[i], defaultProfileName(i));
            QCOMPARE(int(reloaded.slot(i).pollrate), int(defaults.pollrate));
        }
    }

    // OK hides the window whatever the write-out did; Cancel hides it and reloads the active slot. What OK
    // writes is the model test's.
    void okAndCancelHide()
    {
        CommandRig rig;
        rig.working().slot(0).pollrate = 4;
        rig.commands->ok();
        rig.asleep = true;
        rig.working().slot(0).pollrate = 8;
        rig.commands->ok();
        QCOMPARE(rig.answers.messages, QStringList{uiText("Mouse is sleeping or not connected.")});
        rig.working().ProfileID = 3;
        rig.commands->cancel();
        QCOMPARE(rig.window.calls, (QStringList{"hideWindow", "hideWindow", "hideWindow", "selectSlot 3 1"}));
    }

    void writeOutcomeIsReported_data()
    {
        QTest::addColumn<int>("failure");
        QTest::addColumn<QString>("message");
        const QString failed = "Send data failed, please try again.";
        QTest::addRow("landed") << 0 << QString();
        QTest::addRow("write failed") << int(DeviceResult::WriteFailed) << failed;
        QTest::addRow("asleep") << int(DeviceResult::Asleep) << "Mouse is sleeping or not connected.";
        // The mouse took it, the files did not: a message of its own, not a device failure.
        QTest::addRow("not saved") << -1 << "The settings could not be saved.";
    }
    void writeOutcomeIsReported()
    {
        QFETCH(int, failure);
        QFETCH(QString, message);
        CommandRig rig;
        rig.working().slot(1).pollrate = 8;
        if (failure == DeviceResult::Asleep) {
            rig.asleep = true;
        } else if (failure > 0) {
            rig.mouse.failAt = 3;
            rig.mouse.failure = quint8(failure);
        } else if (failure < 0) {
            QDir(profileDirectory()).removeRecursively();
            QFile blocker(profileDirectory());
            QVERIFY(blocker.open(QIODevice::WriteOnly));
        }
        ProgressWatch progress;
        qApp->installEventFilter(&progress);
        QCOMPARE(int(rig.commands->writeOut()), qMax(failure, 0));
        // A mouse found asleep is sent nothing.
        QCOMPARE(progress.steps,
                 (failure == DeviceResult::Asleep ? QList<int>{15, 25, 80, 100} : QList<int>{15, 25, 50, 80, 100}));
        QCOMPARE(rig.answers.messages, message.isEmpty() ? QStringList() : QStringList{uiText(message.toUtf8())});
        // Statements, not questions: a single OK.
        QVERIFY(!rig.answers.kinds.contains(ProfileBarMessage::Confirm));
        // Only a write that landed is confirmed.
        QCOMPARE(rig.window.landed, QList<bool>{message.isEmpty()});
    }
};

QTEST_MAIN(ProfileCommandsTest)
#include "tst_profile_commands.moc"
