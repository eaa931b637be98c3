#include "store/AppSettings.h"
#include "store/DataPaths.h"
#include "store/NameSafety.h"
#include "store/ProfileFiles.h"
#include "store/ProfileList.h"

#include "TestDataHome.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QtTest>

#include <memory>

Q_DECLARE_METATYPE(ProfileFileResult)

class TestProfileList : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_home = std::make_unique<TestDataHome>();
        QVERIFY(writeCurrentProductName(QStringLiteral("OSKEN R5")));
    }
    void cleanup() { m_home.reset(); }

    void storedList()
    {
        QCOMPARE(loadProfileList(), QStringList({"Profile 1", "Profile 2", "Profile 3", "Profile 4", "Profile 5"}));
        QVERIFY(saveProfileList({"Profile 1", "a, b", "Ünïcode", "d"}));
        QCOMPARE(loadProfileList(), QStringList({"Profile 1", "a, b", "Ünïcode", "d"}));
        QVERIFY(saveProfileList({"Profile 1"}));
        const QSettings product(productConfigPath(), QSettings::IniFormat);
        QVERIFY(!product.contains(QStringLiteral("PROFILE_LIST/2")));
        QCOMPARE(loadProfileList(), QStringList{"Profile 1"});
        // A count far beyond the entries, a gap, unusable entries, a repeated one and a key with a leading zero.
        m_home->writeFile(QStringLiteral("OSKEN R5/OSKEN R5/Config.ini"),
                          "[PROFILE_LIST]\nCount=2000000000\n1=Profile 1\n2=../x\n3=\n10=Later\n5=Mine\n"
                          "6=Mine\n04=Other\n");
        QCOMPARE(loadProfileList(), QStringList({"Profile 1", "Mine", "Later"}));
    }

    void newAndCopyNumbering()
    {
        QVERIFY(writeDefaultProfileFile());
        for (int n : {1, 2, 3, 5})
            touch(QStringLiteral("Profile %1").arg(n));
        QString name;
        QCOMPARE(createProfileFile(name), ProfileFileResult::Done);
        QCOMPARE(name, QStringLiteral("Profile 4"));
        QCOMPARE(createProfileFile(name), ProfileFileResult::Done);
        QCOMPARE(name, QStringLiteral("Profile 6"));
        QFile made(profileFilePath(name)), defaults(defaultProfilePath());
        QVERIFY(made.open(QIODevice::ReadOnly) && defaults.open(QIODevice::ReadOnly));
        QCOMPARE(made.readAll(), defaults.readAll());

        for (const char* expected : {"Profile 1 copy", "Profile 1 copy 2", "Profile 1 copy 3"}) {
            QCOMPARE(copyProfileFile(QStringLiteral("Profile 1"), name), ProfileFileResult::Done);
            QCOMPARE(name, QLatin1String(expected));
            QVERIFY(QFile::exists(profileFilePath(name)));
        }
        QCOMPARE(copyProfileFile(QStringLiteral("Absent"), name), ProfileFileResult::FileError);
    }

    void renameAndDelete_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to"); // empty: delete
        QTest::addColumn<ProfileFileResult>("result");
        QTest::addRow("rename to a free name") << "Mine"
                                               << "Yours" << ProfileFileResult::Done;
        QTest::addRow("rename to a taken name") << "Mine"
                                                << "Other" << ProfileFileResult::Exists;
        QTest::addRow("rename a default profile") << "Profile 3"
                                                  << "Yours" << ProfileFileResult::DefaultName;
        QTest::addRow("rename to a path") << "Mine"
                                          << "../Yours" << ProfileFileResult::InvalidName;
        QTest::addRow("delete") << "Mine"
                                << "" << ProfileFileResult::Done;
        QTest::addRow("delete a default profile") << "Profile 2"
                                                  << "" << ProfileFileResult::DefaultName;
    }

    void renameAndDelete()
    {
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(ProfileFileResult, result);
        touch(from);
        touch(QStringLiteral("Other"));
        QCOMPARE(to.isEmpty() ? deleteProfileFile(from) : renameProfileFile(from, to), result);
        const bool done = result == ProfileFileResult::Done;
        QCOMPARE(QFile::exists(profileFilePath(from)), !done);
        if (done && !to.isEmpty())
            QVERIFY(QFile::exists(profileFilePath(to)));
    }

    void nameRules_data()
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

    void nameRules()
    {
        QFETCH(QString, name);
        QFETCH(bool, valid);
        QCOMPARE(isValidProfileName(name), valid);
        if (valid)
            return;
        // Refused before the file system is reached: the file beside the profile folder stays.
        const QString outside = m_home->writeFile(QStringLiteral("OSKEN R5/OSKEN R5/x.prof"), "keep");
        QString out;
        QCOMPARE(deleteProfileFile(name), ProfileFileResult::InvalidName);
        QCOMPARE(copyProfileFile(name, out), ProfileFileResult::InvalidName);
        QVERIFY(QFile::exists(outside));
    }

    void exportDoesNotOverwrite()
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

    void importProfile_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("tag"); // "-": none
        QTest::addColumn<QString>("shape");
        QTest::addColumn<ProfileFileResult>("result");
        using R = ProfileFileResult;
        const struct
        {
            const char* name;
            const char* file;
            const char* tag;
            const char* shape;
            ProfileFileResult result;
        } rows[] = {{"complete", "Shared.prof", "OSKEN R5", "complete", R::Done},
                    {"other product", "Foreign.prof", "7138", "complete", R::NotThisMouse},
                    {"untagged", "Untagged.prof", "-", "complete", R::NotThisMouse},
                    {"only the tag", "Tag.prof", "OSKEN R5", "tag only", R::Damaged},
                    {"cut short", "Cut.prof", "OSKEN R5", "cut short", R::Damaged},
                    {"defaults file name", "DefaultProfile.prof", "OSKEN R5", "complete", R::InvalidName},
                    {"fifo", "Pipe.prof", "-", "fifo", R::NotRegularFile},
                    {"folder", "Folder.prof", "-", "folder", R::NotRegularFile},
                    {"missing", "Gone.prof", "-", "missing", R::NotRegularFile}};
        for (const auto& row : rows)
            QTest::addRow("%s", row.name) << QString(row.file) << QString(row.tag) << QString(row.shape) << row.result;
    }

    void importProfile()
    {
        QFETCH(QString, file);
        QFETCH(QString, tag);
        QFETCH(QString, shape);
        QFETCH(ProfileFileResult, result);
        const QString relative = QStringLiteral("in/") + file;
        QString path = m_home->path() + QLatin1Char('/') + relative;
        if (shape == "fifo") {
            path = m_home->makeSpecial(relative, TestDataHome::Special::Fifo);
        } else if (shape == "folder") {
            path = m_home->makeSpecial(relative, TestDataHome::Special::Folder);
        } else if (shape != "missing") {
            ProfileData record;
            record.pollrate = 2;
            QVERIFY(QDir().mkpath(m_home->path() + "/in"));
            if (shape != "tag only")
                QVERIFY(saveProfile(record, path, profileGroup()));
            if (tag != "-")
                QVERIFY(writeMouseName(path, tag));
            if (shape == "cut short") {
                QFile f(path);
                QVERIFY(f.open(QIODevice::ReadWrite));
                QVERIFY(f.resize(f.size() * 2 / 3));
            }
        }
        QString name;
        QCOMPARE(importProfileFile(path, name), result);
        const QStringList stored = QDir(profileDirectory()).entryList({"*.prof"});
        if (result != ProfileFileResult::Done) {
            QVERIFY(stored.isEmpty()); // nothing copied
            return;
        }
        QCOMPARE(stored, QStringList{file});
        ProfileData p;
        loadProfile(p, profileFilePath(name), profileGroup());
        QCOMPARE(int(p.pollrate), 2);
        QCOMPARE(importProfileFile(path, name), ProfileFileResult::Exists);
    }

private:
    QString touch(const QString& name, const QByteArray& content = "[PROFILE]\n")
    {
        return m_home->writeFile("OSKEN R5/OSKEN R5/Profile/" + name + ".prof", content);
    }
    std::unique_ptr<TestDataHome> m_home;
};

QTEST_GUILESS_MAIN(TestProfileList)
#include "tst_profile_list.moc"
