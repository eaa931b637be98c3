#include "CommandRig.h"

#include "look/UiText.h"
#include "store/RecordEquality.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTest>

namespace {

const QStringList kDefaults{"Profile 1", "Profile 2", "Profile 3", "Profile 4", "Profile 5"};
const QString kProfileDialog = "Load Profile File|Profile File(*.prof)";

int storedMarker(const QString& path)
{
    ProfileData record;
    loadProfile(record, path, profileGroup());
    return record.scrollspeed;
}

QString outside(const CommandRig& rig, const QString& name)
{
    QDir().mkpath(rig.home.path() + "/exchange");
    return rig.home.path() + "/exchange/" + name;
}

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestFileCommands : public QObject
{
    Q_OBJECT
private slots:
    void exportThenImport();
    void importRefusals_data();
    void importRefusals();
    void exportReplacesTheChosenFile();
    void exportOfAProfileNeverStored();
    void saveThenLoadConfiguration();
    void loadConfigurationRefusals_data();
    void loadConfigurationRefusals();
};

void TestFileCommands::exportThenImport()
{
    CommandRig rig;
    rig.listProfiles(kDefaults + QStringList{"Mine"});
    rig.storeProfile("Mine", 21);
    rig.setActive(2, "Mine");
    rig.answers.savePath = outside(rig, "Shared.prof");
    rig.commands->exportProfile();
    QCOMPARE(rig.answers.captions, QStringList{"Save Profile File|Profile File(*.prof)"});
    QCOMPARE(readMouseName(rig.answers.savePath), QString("OSKEN R5"));
    QCOMPARE(storedMarker(rig.answers.savePath), 21);

    rig.answers.openPath = rig.answers.savePath;
    rig.setActive(3, "Profile 4");
    rig.commands->importProfile();
    QVERIFY(rig.answers.messages.isEmpty());
    QCOMPARE(rig.answers.captions.last(), kProfileDialog);
    const QStringList expected = kDefaults + QStringList{"Mine", "Shared"};
    QCOMPARE(rig.profileList, expected);
    QCOMPARE(loadProfileList(), expected);
    QCOMPARE(rig.window.menu, expected);
    QCOMPARE(rig.working().slotProfileNames[3], QString("Shared"));
    QCOMPARE(int(rig.working().slot(3).scrollspeed), 21);
    QCOMPARE(storedMarker(profileFilePath("Shared")), 21);
    // The import ends with the write-out: the changed scroll speed went to the mouse.
    QVERIFY(!rig.mouse.frames.empty());
    QVERIFY(rig.saved() == rig.working());
}

void TestFileCommands::importRefusals_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("product"); // empty: no tag
    QTest::addColumn<bool>("bRecord");    // the file holds a whole record
    QTest::addColumn<QString>("message");
    QTest::addRow("other product") << "Theirs.prof"
                                   << "Wireless Mouse" << true << uiText("The file is not match current mouse!");
    QTest::addRow("untagged") << "Theirs.prof" << QString() << true << uiText("The file is not match current mouse!");
    QTest::addRow("file of that name exists") << "Mine.prof"
                                              << "OSKEN R5" << true << uiText("Profile Exist!");
    QTest::addRow("listed name") << "Profile 5.prof"
                                 << "OSKEN R5" << true << uiText("Profile Exist!");
    QTest::addRow("defaults file") << "DefaultProfile.prof"
                                   << "OSKEN R5" << true << uiText("This name cannot be used for a profile.");
    QTest::addRow("backslash in the name") << "a\\b.prof"
                                           << "OSKEN R5" << true << uiText("This name cannot be used for a profile.");
    QTest::addRow("only its tag") << "Tag.prof"
                                  << "OSKEN R5" << false << uiText("The profile file is damaged.");
}

void TestFileCommands::importRefusals()
{
    QFETCH(QString, fileName);
    QFETCH(QString, product);
    QFETCH(bool, bRecord);
    QFETCH(QString, message);
    CommandRig rig;
    rig.listProfiles(kDefaults + QStringList{"Mine"});
    rig.storeProfile("Mine", 3);
    writeDefaultProfileFile();
    const QString path = outside(rig, fileName);
    ProfileData record;
    record.scrollspeed = 99;
    if (bRecord)
        QVERIFY(saveProfile(record, path, profileGroup()));
    if (!product.isEmpty())
        QVERIFY(writeMouseName(path, product));
    rig.answers.openPath = path;
    const ConfigData before = rig.working();

    rig.commands->importProfile();
    QCOMPARE(rig.answers.messages, QStringList{message});
    QCOMPARE(rig.profileList, kDefaults + QStringList{"Mine"});
    QCOMPARE(storedMarker(profileFilePath("Mine")), 3);
    QVERIFY(rig.working() == before);
    QVERIFY(rig.mouse.frames.empty());
    QVERIFY(rig.window.calls.isEmpty());
}

void TestFileCommands::exportReplacesTheChosenFile()
{
    CommandRig rig;
    rig.listProfiles(kDefaults + QStringList{"Mine"});
    rig.storeProfile("Mine", 17);
    rig.setActive(0, "Mine");
    rig.answers.savePath = outside(rig, "Old.prof");
    {
        QFile old(rig.answers.savePath);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("[Old]\nkept=1\n");
    }
    rig.commands->exportProfile();
    QVERIFY(rig.answers.messages.isEmpty());
    QCOMPARE(contents(rig.answers.savePath), contents(profileFilePath("Mine")));
    QCOMPARE(QSettings(rig.answers.savePath, QSettings::IniFormat).value("Old/kept").toString(), QString());
    // No partial file is left beside it.
    QCOMPARE(QDir(rig.home.path() + "/exchange").entryList(QDir::Files), QStringList{"Old.prof"});
}

void TestFileCommands::exportOfAProfileNeverStored()
{
    CommandRig rig;
    rig.working().slot(0).scrollspeed = 12;
    rig.answers.savePath = outside(rig, "First.prof");
    rig.commands->exportProfile();
    QVERIFY(rig.answers.messages.isEmpty());
    QCOMPARE(storedMarker(rig.answers.savePath), 12);
    QCOMPARE(readMouseName(rig.answers.savePath), QString("OSKEN R5"));
}

void TestFileCommands::saveThenLoadConfiguration()
{
    CommandRig rig;
    rig.working().slot(1).pollrate = 2;
    rig.working().slotProfileNames[4] = "Carried";
    rig.working().ProfileID = 1;
    const ConfigData stored = rig.working();
    rig.answers.savePath = outside(rig, "All.conf");
    rig.commands->saveConfiguration();
    QCOMPARE(rig.answers.captions, QStringList{"Save Config File|Config File(*.conf)"});
    QCOMPARE(readMouseName(rig.answers.savePath), QString("OSKEN R5"));
    QVERIFY(rig.mouse.frames.empty());

    rig.working().slot(1).pollrate = 4;
    rig.working().slotProfileNames[4] = "Profile 5";
    rig.answers.openPath = rig.answers.savePath;
    rig.commands->loadConfiguration();
    QCOMPARE(rig.answers.captions.last(), QString("Load Config File|Config File(*.conf)"));
    QVERIFY(rig.answers.messages.isEmpty());
    QCOMPARE(int(rig.working().slot(1).pollrate), 2);
    QCOMPARE(rig.working().slotProfileNames, stored.slotProfileNames);
    QVERIFY(rig.saved() == rig.working());
    // A name the file brought joins the library.
    QVERIFY(rig.profileList.contains("Carried"));
    QVERIFY(loadProfileList().contains("Carried"));
    QVERIFY(rig.window.calls.contains("showLoadedConfiguration"));
    // Every section goes to the mouse although working and saved are equal.
    QCOMPARE(rig.mouse.commandRuns(), (QList<int>{0x46, 0x01, 0x03, 0x02, 0x04, 0x40, 0x46}));
    QCOMPARE(readDiff(), 0);
}

void TestFileCommands::loadConfigurationRefusals_data()
{
    QTest::addColumn<QString>("product");
    QTest::addColumn<QString>("secondName");
    QTest::addColumn<QString>("cutKey"); // removed from the file
    QTest::addColumn<QString>("message");
    QTest::addRow("other product") << "Wireless Mouse"
                                   << "Profile 2" << QString() << uiText("The file is not match current mouse!");
    QTest::addRow("two slots, one name") << "OSKEN R5"
                                         << "Profile 1" << QString()
                                         << uiText("The configuration file names one profile for two slots.");
    QTest::addRow("name leaving the folder")
        << "OSKEN R5"
        << "../Profile 2" << QString() << uiText("This name cannot be used for a profile.");
    QTest::addRow("a record cut short") << "OSKEN R5"
                                        << "Profile 2"
                                        << "PROFILE_2/pollrate" << uiText("The configuration file is damaged.");
}

void TestFileCommands::loadConfigurationRefusals()
{
    QFETCH(QString, product);
    QFETCH(QString, secondName);
    QFETCH(QString, cutKey);
    QFETCH(QString, message);
    CommandRig rig;
    ConfigData other = rig.working();
    other.slot(0).pollrate = 8;
    other.slotProfileNames[1] = secondName;
    const QString path = outside(rig, "Other.conf");
    QVERIFY(writeMouseName(path, product));
    QVERIFY(exportConfig(other, path));
    if (!cutKey.isEmpty())
        QSettings(path, QSettings::IniFormat).remove(cutKey);
    rig.answers.openPath = path;
    const ConfigData before = rig.working();

    rig.commands->loadConfiguration();
    QCOMPARE(rig.answers.messages, QStringList{message});
    QVERIFY(rig.working() == before);
    QVERIFY(rig.saved() == before);
    QVERIFY(rig.mouse.frames.empty());
}

QTEST_MAIN(TestFileCommands)
#include "tst_file_commands.moc"
