#include "store/AppSettings.h"
#include "store/DataPaths.h"
#include "store/NameSafety.h"
#include "store/ProfileFiles.h"
#include "store/ProfileList.h"

#include "TestDataHome.h"

#include <QFile>
#include <QSettings>
#include <QtTest>

Q_DECLARE_METATYPE(ProfileFileResult)

class TestProfileList : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void listRoundTripAndShrink();
    void listWithoutStoredEntries();
    void newProfileTakesFirstFreeNumber();
    void copyNumbering();
    void rename_data();
    void rename();
    void deleteRules();
    void unsafeNames_data();
    void unsafeNames();
    void exportDoesNotOverwrite();
    void importProfile();

private:
    void touch(const QString& name) { m_home->writeFile("OSKEN R5/OSKEN R5/Profile/" + name + ".prof", "[PROFILE]\n"); }
    TestDataHome* m_home = nullptr;
};

void TestProfileList::init()
{
    m_home = new TestDataHome;
    QVERIFY(writeCurrentProductName(QStringLiteral("OSKEN R5")));
}

void TestProfileList::cleanup()
{
    delete m_home;
    m_home = nullptr;
}

void TestProfileList::listRoundTripAndShrink()
{
    const QStringList names{"Profile 1", "Profile 2", "a, b", "Ünïcode"};
    QVERIFY(saveProfileList(names));
    QCOMPARE(loadProfileList(), names);
    QVERIFY(saveProfileList({"Profile 1"}));
    QCOMPARE(loadProfileList(), QStringList{"Profile 1"});
    const QSettings product(productConfigPath(), QSettings::IniFormat);
    QVERIFY(!product.contains(QStringLiteral("PROFILE_LIST/2")));
    QCOMPARE(product.value(QStringLiteral("PROFILE_LIST/Count")).toInt(), 1);
}

void TestProfileList::listWithoutStoredEntries()
{
    QCOMPARE(loadProfileList(), QStringList({"Profile 1", "Profile 2", "Profile 3", "Profile 4", "Profile 5"}));
    // A count far beyond the entries, unusable entries and a repeated one.
    m_home->writeFile(QStringLiteral("OSKEN R5/OSKEN R5/Config.ini"),
                      "[PROFILE_LIST]\nCount=2000000000\n1=Profile 1\n2=../x\n3=\n4=Mine\n5=Mine\n");
    QCOMPARE(loadProfileList(), QStringList({"Profile 1", "Mine"}));
}

void TestProfileList::newProfileTakesFirstFreeNumber()
{
    QVERIFY(writeDefaultProfileFile());
    for (int n : {1, 2, 3, 5})
        touch(QStringLiteral("Profile %1").arg(n));
    QString name;
    QCOMPARE(createProfileFile(name), ProfileFileResult::Done);
    QCOMPARE(name, QStringLiteral("Profile 4"));
    QCOMPARE(createProfileFile(name), ProfileFileResult::Done);
    QCOMPARE(name, QStringLiteral("Profile 6"));
    // The new file is a copy of the defaults file.
    QFile made(profileFilePath(name)), defaults(defaultProfilePath());
    QVERIFY(made.open(QIODevice::ReadOnly) && defaults.open(QIODevice::ReadOnly));
    QCOMPARE(made.readAll(), defaults.readAll());
}

void TestProfileList::copyNumbering()
{
    touch(QStringLiteral("Profile 1"));
    QString target;
    QCOMPARE(copyProfileFile(QStringLiteral("Profile 1"), target), ProfileFileResult::Done);
    QCOMPARE(target, QStringLiteral("Profile 1 copy"));
    QCOMPARE(copyProfileFile(QStringLiteral("Profile 1"), target), ProfileFileResult::Done);
    QCOMPARE(target, QStringLiteral("Profile 1 copy 2"));
    QCOMPARE(copyProfileFile(QStringLiteral("Profile 1"), target), ProfileFileResult::Done);
    QCOMPARE(target, QStringLiteral("Profile 1 copy 3"));
    QVERIFY(QFile::exists(profileFilePath(QStringLiteral("Profile 1 copy 2"))));
    QCOMPARE(copyProfileFile(QStringLiteral("Absent"), target), ProfileFileResult::FileError);
}

void TestProfileList::rename_data()
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::addColumn<ProfileFileResult>("result");
    QTest::addColumn<bool>("moved");
    QTest::addRow("free name") << "Mine"
                               << "Yours" << ProfileFileResult::Done << true;
    QTest::addRow("taken name") << "Mine"
                                << "Other" << ProfileFileResult::Exists << false;
    QTest::addRow("default profile") << "Profile 3"
                                     << "Yours" << ProfileFileResult::DefaultName << false;
    QTest::addRow("to a path") << "Mine"
                               << "../Yours" << ProfileFileResult::InvalidName << false;
    QTest::addRow("to the defaults file") << "Mine"
                                          << "DefaultProfile" << ProfileFileResult::InvalidName << false;
}

void TestProfileList::rename()
{
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(ProfileFileResult, result);
    QFETCH(bool, moved);
    touch(from);
    touch(QStringLiteral("Other"));
    QCOMPARE(renameProfileFile(from, to), result);
    QCOMPARE(QFile::exists(profileFilePath(from)), !moved);
    if (moved)
        QVERIFY(QFile::exists(profileFilePath(to)));
}

void TestProfileList::deleteRules()
{
    touch(QStringLiteral("Profile 2"));
    touch(QStringLiteral("Mine"));
    QCOMPARE(deleteProfileFile(QStringLiteral("Profile 2")), ProfileFileResult::DefaultName);
    QVERIFY(QFile::exists(profileFilePath(QStringLiteral("Profile 2"))));
    QCOMPARE(deleteProfileFile(QStringLiteral("Mine")), ProfileFileResult::Done);
    QVERIFY(!QFile::exists(profileFilePath(QStringLiteral("Mine"))));
    QCOMPARE(deleteProfileFile(QStringLiteral("Mine")), ProfileFileResult::Done);
}

void TestProfileList::unsafeNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("valid");
    QTest::addRow("plain") << "Game 2" << true;
    QTest::addRow("dots inside") << "a..b" << true;
    QTest::addRow("empty") << "" << false;
    QTest::addRow("slash") << "a/b" << false;
    QTest::addRow("backslash") << "a\\b" << false;
    QTest::addRow("dot") << "." << false;
    QTest::addRow("dot dot") << ".." << false;
    QTest::addRow("defaults file") << "DefaultProfile" << false;
    QTest::addRow("defaults file, other case") << "defaultprofile" << false;
}

void TestProfileList::unsafeNames()
{
    QFETCH(QString, name);
    QFETCH(bool, valid);
    QCOMPARE(isValidProfileName(name), valid);
    if (valid)
        return;
    // Nothing outside the folder is touched, not even the target of a delete.
    const QString outside = m_home->writeFile(QStringLiteral("OSKEN R5/OSKEN R5/x.prof"), "keep");
    QString out;
    QCOMPARE(deleteProfileFile(name), ProfileFileResult::InvalidName);
    QCOMPARE(copyProfileFile(name, out), ProfileFileResult::InvalidName);
    QCOMPARE(exportProfileFile(name, m_home->path() + QStringLiteral("/e.prof")), ProfileFileResult::InvalidName);
    QVERIFY(QFile::exists(outside));
    QCOMPARE(deleteProfileFile(QStringLiteral("../x")), ProfileFileResult::InvalidName);
    QVERIFY(QFile::exists(outside));
}

void TestProfileList::exportDoesNotOverwrite()
{
    touch(QStringLiteral("Mine"));
    const QString target = m_home->writeFile(QStringLiteral("exported.prof"), "older");
    QCOMPARE(exportProfileFile(QStringLiteral("Mine"), target), ProfileFileResult::Exists);
    QFile file(target);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("older"));

    const QString fresh = m_home->path() + QStringLiteral("/fresh.prof");
    QCOMPARE(exportProfileFile(QStringLiteral("Mine"), fresh), ProfileFileResult::Done);
    QCOMPARE(readMouseName(fresh), QStringLiteral("OSKEN R5"));
}

void TestProfileList::importProfile()
{
    const QString own =
        m_home->writeFile(QStringLiteral("in/Shared.prof"), "[MouseName]\nName=OSKEN R5\n[PROFILE]\npollrate=2\n");
    const QString foreign = m_home->writeFile(QStringLiteral("in/Foreign.prof"), "[MouseName]\nName=7138\n");
    const QString untagged = m_home->writeFile(QStringLiteral("in/Untagged.prof"), "[PROFILE]\npollrate=2\n");
    const QString defaultsFile =
        m_home->writeFile(QStringLiteral("in/DefaultProfile.prof"), "[MouseName]\nName=OSKEN R5\n");
    QString name;
    QCOMPARE(importProfileFile(foreign, name), ProfileFileResult::NotThisMouse);
    QCOMPARE(importProfileFile(untagged, name), ProfileFileResult::NotThisMouse);
    QCOMPARE(importProfileFile(defaultsFile, name), ProfileFileResult::InvalidName);
    QCOMPARE(importProfileFile(own, name), ProfileFileResult::Done);
    QCOMPARE(name, QStringLiteral("Shared"));
    ProfileData p;
    loadProfile(p, profileFilePath(name), profileGroup());
    QCOMPARE(int(p.pollrate), 2);
    QCOMPARE(importProfileFile(own, name), ProfileFileResult::Exists);
}

QTEST_GUILESS_MAIN(TestProfileList)
#include "TestProfileList.moc"
