#include "RecordingSender.h"
#include "TestDataHome.h"

#include "session/SettingsSession.h"
#include "session/WorkingConfigStore.h"
#include "store/AppSettings.h"
#include "store/ConfigFiles.h"
#include "store/DataPaths.h"
#include "store/ProfileDefaults.h"
#include "store/ProfileFiles.h"
#include "store/RecordEquality.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTest>

namespace {

// The session over a fresh data folder for "OSKEN R5", writing to a mouse that records every frame.
struct SessionRig
{
    TestDataHome home;
    RecordingSender mouse;
    bool awake = true;
    QList<int> statusCalls; // frames sent when the status thread was stopped (-1 - n when started)
    SettingsSession session;

    SessionRig()
    {
        writeCurrentProductName("OSKEN R5");
        writeDiff(0);
        MousePort port;
        port.send = mouse.sender();
        port.isAwake = [this] { return awake; };
        port.stopStatusThread = [this] { statusCalls << int(mouse.frames.size()); };
        port.startStatusThread = [this] { statusCalls << -1 - int(mouse.frames.size()); };
        session.setMousePort(std::move(port));
        session.load();
    }
    ProfileData& active() { return session.activeRecord(); }
    int storedKey(const QString& profile, const QString& key) const
    {
        return QSettings(profileFilePath(profile), QSettings::IniFormat).value("PROFILE/" + key).toInt();
    }
};

ConfigData loadedConfig()
{
    ConfigData config;
    loadConfig(config);
    return config;
}

const QList<int> kEverySection{0x46, 0x01, 0x03, 0x02, 0x04, 0x40, 0x46};

} // namespace

class TestSettingsSession : public QObject
{
    Q_OBJECT
private slots:
    void writeOutSendsWhatChanged_data()
    {
        QTest::addColumn<int>("change");
        QTest::addColumn<QList<int>>("commands");
        QTest::addRow("nothing") << 0 << QList<int>{};
        QTest::addRow("full write pending") << 1 << kEverySection;
        QTest::addRow("report rate") << 2 << QList<int>{0x46, 0x01, 0x40, 0x46};
    }

    void writeOutSendsWhatChanged()
    {
        QFETCH(int, change);
        SessionRig rig;
        if (change == 1)
            writeDiff(1);
        if (change == 2)
            rig.active().pollrate = rig.active().pollrate == 8 ? 1 : 8;
        QVERIFY(rig.session.hasUnappliedEdits() == (change != 0));

        QList<int> steps;
        const WriteOutcome outcome = rig.session.writeOut([&steps](int p) { steps << p; });
        QVERIFY(outcome.landed());
        QTEST(rig.mouse.commandRuns(), "commands");
        QCOMPARE(steps, change == 0 ? (QList<int>{25, 80}) : (QList<int>{25, 50, 80}));
        // The status thread is kept off the handle for exactly the frames of the write.
        const int n = int(rig.mouse.frames.size());
        QCOMPARE(rig.statusCalls, n == 0 ? QList<int>{} : (QList<int>{0, -1 - n}));
        QCOMPARE(readDiff(), 0);
        QVERIFY(!rig.session.hasUnappliedEdits());
        QCOMPARE(rig.session.pendingSections(), ChangeMask(0));
        // Stored even when nothing had to be sent.
        QVERIFY(QFile::exists(profileFilePath("Profile 1")));
    }

    void writeOutThatDoesNotLand_data()
    {
        QTest::addColumn<int>("failure");
        QTest::addColumn<int>("framesSent");
        QTest::addRow("write failed") << int(DeviceResult::WriteFailed) << 3;
        QTest::addRow("asleep") << int(DeviceResult::Asleep) << 0;
        QTest::addRow("macro missing") << -1 << 0;
    }

    void writeOutThatDoesNotLand()
    {
        QFETCH(int, failure);
        SessionRig rig;
        rig.active().scrollspeed = 7;
        const ButtonInfo button = rig.active().buttons[3];
        if (failure == DeviceResult::Asleep) {
            rig.awake = false;
        } else if (failure < 0) {
            rig.active().buttons[3].Fun = 200;
            rig.active().buttons[3].macroname = "Gone";
        } else {
            rig.mouse.failAt = 3;
            rig.mouse.failure = quint8(failure);
        }
        const WriteOutcome outcome = rig.session.writeOut();
        QCOMPARE(int(outcome.result), qMax(failure, 0));
        QCOMPARE(outcome.missingMacros, failure < 0 ? QStringList{"Gone"} : QStringList());
        QVERIFY(!outcome.landed());
        QTEST(int(rig.mouse.frames.size()), "framesSent");
        // The files hold the edit; the mouse may not: the next write-out, even after a restart, sends it all.
        QCOMPARE(rig.storedKey("Profile 1", "scrollspeed"), 7);
        QCOMPARE(readDiff(), 1);
        QVERIFY(rig.session.hasUnappliedEdits());
        QCOMPARE(rig.session.pendingSections(), ChangeBits::All);

        rig.awake = true;
        rig.active().buttons[3] = button;
        rig.mouse.failAt = -1;
        rig.mouse.frames.clear();
        QVERIFY(rig.session.writeOut().landed());
        QCOMPARE(rig.mouse.commandRuns(), kEverySection);
        QCOMPARE(readDiff(), 0);
    }

    void failedSaveIsReported()
    {
        SessionRig rig;
        rig.active().scrollspeed = 9;
        // The profile folder has become a file: no profile file can be stored.
        QDir(profileDirectory()).removeRecursively();
        QFile blocker(profileDirectory());
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();

        const WriteOutcome outcome = rig.session.writeOut();
        QCOMPARE(outcome.result, DeviceResult::Done);
        QVERIFY(!outcome.filesStored);
        QVERIFY(!outcome.landed());
        QCOMPARE(readDiff(), 1);
    }

    void mouseStatusIsKept()
    {
        SessionRig rig;
        QVERIFY(rig.session.writeOut().landed()); // every profile file exists
        const MouseChange change = rig.session.takeMouseStatus(3, 2, 8);
        QVERIFY(change.profile && change.dpiStage && change.rate && change.filesStored);
        QCOMPARE(rig.session.activeSlot(), 3);
        QCOMPARE(int(rig.active().dpi), 2);
        QCOMPARE(int(rig.active().pollrate), 8);
        // Stored and taken as saved: nothing writes the old values back, not even after a revert (Cancel). The
        // mouse still holds the tables of the slot it left: the next write-out sends the new slot's whole.
        QVERIFY(rig.session.working() == rig.session.saved());
        QCOMPARE(rig.session.pendingSections(), ChangeBits::All);
        QCOMPARE(rig.storedKey("Profile 4", "dpi"), 2);
        QCOMPARE(rig.storedKey("Profile 4", "pollrate"), 8);
        rig.session.revertSlot(3);
        QCOMPARE(int(rig.active().pollrate), 8);
        SettingsSession restarted;
        restarted.load();
        QCOMPARE(restarted.activeSlot(), 3);

        // Bytes the mouse cannot mean change nothing.
        const ConfigData before = rig.session.working();
        const MouseChange none = rig.session.takeMouseStatus(5, 6, 3);
        QVERIFY(!none.profile && !none.dpiStage && !none.rate);
        QVERIFY(rig.session.working() == before);
    }

    void switchingSlotTellsTheMouse()
    {
        SessionRig rig;
        rig.awake = false;
        QCOMPARE(rig.session.switchSlot(2), DeviceResult::Asleep);
        QCOMPARE(rig.session.activeSlot(), 0);
        QVERIFY(rig.mouse.frames.empty());

        rig.awake = true;
        QCOMPARE(rig.session.switchSlot(2), DeviceResult::Done);
        QCOMPARE(rig.session.activeSlot(), 2);
        QCOMPARE(rig.mouse.commandRuns().first(), 0x44);
        QCOMPARE(rig.session.pendingSections(), ChangeBits::All);
        QCOMPARE(QSettings(productConfigPath(), QSettings::IniFormat).value("Config/ProfileID").toInt(), 2);
    }
    // The store for the working settings writes what saveConfig writes, and only the records that changed.
    void configStore()
    {
        TestDataHome home;
        writeCurrentProductName("OSKEN R5");
        ConfigData config = loadedConfig();
        config.ProfileID = 3;
        config.AngleValue = 2;
        config.LiftHigh = 1;
        config.Count = 5;
        config.slotProfileNames[2] = "Mine";
        config.slot(2).scrollspeed = 6;
        WorkingConfigStore store;
        QVERIFY(store.save(config));
        QVERIFY(store.save(config));
        QCOMPARE(store.profileFilesWritten(), 5);
        QVERIFY(loadedConfig() == config);
        config.slot(4).pollrate = 8;
        config.ProfileID = 4;
        QVERIFY(store.save(config));
        QCOMPARE(store.profileFilesWritten(), 6);
        QVERIFY(loadedConfig() == config);

        // Another writer puts a value into the file that the record no longer holds.
        ProfileData other = config.slot(0);
        other.scrollspeed = 77;
        QVERIFY(saveProfile(other, profileFilePath("Profile 1"), profileGroup()));
        QVERIFY(store.save(config));
        QCOMPARE(store.profileFilesWritten(), 7);
        QVERIFY(loadedConfig().slot(0) == config.slot(0));
        // A file removed from elsewhere.
        QVERIFY(QFile::remove(profileFilePath("Profile 2")));
        QVERIFY(store.save(config));
        QCOMPARE(store.profileFilesWritten(), 8);
        QVERIFY(QFile::exists(profileFilePath("Profile 2")));

        config.slotProfileNames[1] = "../outside";
        QVERIFY(!store.save(config));
    }
};

QTEST_GUILESS_MAIN(TestSettingsSession)
#include "tst_settings_session.moc"
