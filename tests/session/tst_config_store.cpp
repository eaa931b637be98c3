#include "TestDataHome.h"

#include "session/WorkingConfigStore.h"
#include "store/AppSettings.h"
#include "store/ConfigFiles.h"
#include "store/ProfileFiles.h"
#include "store/RecordEquality.h"

#include <QFile>
#include <QTest>

#include <memory>

namespace {
ConfigData loadedConfig()
{
    ConfigData config;
    loadConfig(config);
    return config;
}
} // namespace

class TestConfigStore : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        m_home = std::make_unique<TestDataHome>();
        writeCurrentProductName("OSKEN R5");
    }
    // The old folder goes first: it restores the data folder it replaced.
    void cleanup() { m_home.reset(); }

    void storesWhatSaveConfigStores()
    {
        ConfigData config = loadedConfig();
        config.ProfileID = 3;
        config.AngleValue = 2;
        config.LiftHigh = 1;
        config.Count = 5;
        config.slotProfileNames[2] = "Mine";
        config.slot(2).scrollspeed = 6;
        WorkingConfigStore store;
        QVERIFY(store.save(config));
        QCOMPARE(store.profileFilesWritten(), 5);
        QVERIFY(loadedConfig() == config);

        config.slotProfileNames[1] = "../outside";
        QVERIFY(!store.save(config));
    }

    void onlyChangedRecordsAreRewritten()
    {
        ConfigData config = loadedConfig();
        WorkingConfigStore store;
        QVERIFY(store.save(config));
        QVERIFY(store.save(config));
        QCOMPARE(store.profileFilesWritten(), 5);
        config.slot(4).pollrate = 8;
        config.ProfileID = 4;
        QVERIFY(store.save(config));
        QCOMPARE(store.profileFilesWritten(), 6);
        QCOMPARE(int(loadedConfig().slot(4).pollrate), 8);
        QCOMPARE(int(loadedConfig().ProfileID), 4);

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
    }

private:
    std::unique_ptr<TestDataHome> m_home;
};

QTEST_MAIN(TestConfigStore)
#include "tst_config_store.moc"
