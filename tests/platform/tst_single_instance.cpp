#include "platform/InstanceChannel.h"
#include "platform/linux/LockFileInstance.h"

#include <QDateTime>
#include <QFile>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>

#include <future>

using platform::LockFileInstance;

class SingleInstanceTest : public QObject
{
    Q_OBJECT

private slots:
    void secondHolderIsRefused()
    {
        LockFileInstance first(m_runtime.path(), "osken-config");
        LockFileInstance second(m_runtime.path(), "osken-config");
        QVERIFY(first.acquire());
        QVERIFY(QFile::exists(m_runtime.filePath("osken-config.lock")));
        QVERIFY(!second.acquire());
        QVERIFY(first.acquire()); // asking again while holding it is not a second start
        {
            LockFileInstance ends(m_runtime.path(), "ends");
            QVERIFY(ends.acquire());
        }
        LockFileInstance next(m_runtime.path(), "ends");
        QVERIFY(next.acquire());
    }

    void oldLockOfALiveOwnerStillHolds()
    {
        LockFileInstance first(m_runtime.path(), "old");
        QVERIFY(first.acquire());
        // A program that has run for hours must still count as running, and so must one whose lock file was
        // overwritten with nonsense: the owner's hold on the file is what counts.
        QFile lock(first.lockPath());
        QVERIFY(lock.open(QIODevice::ReadWrite));
        QVERIFY(lock.setFileTime(QDateTime::currentDateTime().addDays(-2), QFileDevice::FileModificationTime));
        lock.close();
        LockFileInstance second(m_runtime.path(), "old");
        QVERIFY(!second.acquire());

        QVERIFY(lock.open(QIODevice::WriteOnly | QIODevice::Truncate));
        lock.close();
        QVERIFY(!second.acquire());
    }

    void lockWithoutALiveOwnerIsTakenOver_data()
    {
        // What a crashed instance, a full disk or another machine sharing the folder leaves behind.
        QTest::addColumn<QByteArray>("content");
        QTest::addRow("dead pid") << "2147483646\nosken-config\n" + QSysInfo::machineHostName().toUtf8() + "\n";
        QTest::addRow("empty") << QByteArray();
        QTest::addRow("garbage") << QByteArray("\x01\xff not a lock\n", 15);
        QTest::addRow("other host") << QByteArray("1\nosken-config\nsome-other-host\n");
    }

    void lockWithoutALiveOwnerIsTakenOver()
    {
        QFETCH(QByteArray, content);
        const QString name = QString("left-") + QTest::currentDataTag();
        QFile stale(m_runtime.filePath(name + ".lock"));
        QVERIFY(stale.open(QIODevice::WriteOnly));
        stale.write(content);
        stale.close();

        LockFileInstance next(m_runtime.path(), name);
        QVERIFY(next.acquire());
        LockFileInstance after(m_runtime.path(), name);
        QVERIFY(!after.acquire());
    }

    void requestsReachTheRunningInstance()
    {
        const QString name = m_runtime.filePath("instance");
        QFile left(name); // what a program that did not end cleanly leaves where the socket goes
        QVERIFY(left.open(QIODevice::WriteOnly));
        left.close();
        platform::InstanceServer server;
        QVERIFY(server.listen(name));
        QStringList asked;
        server.registerRequest("activate", [&](const QString& argument) {
            asked << "activate:" + argument;
            return platform::InstanceAnswer::ok();
        });
        server.registerRequest("echo", [](const QString& argument) {
            return argument.isEmpty() ? platform::InstanceAnswer::failed("nothing to echo")
                                      : platform::InstanceAnswer::ok({argument, argument});
        });

        // The client waits for its answer, so it runs beside the server's event loop.
        auto ask = [&](const QString& request) {
            auto answer = std::async(std::launch::async, [&] { return platform::askRunningInstance(name, request); });
            while (answer.wait_for(std::chrono::milliseconds(0)) != std::future_status::ready)
                QTest::qWait(10);
            return answer.get();
        };
        const auto activated = ask("activate");
        QVERIFY(activated && activated->bOk && activated->lines.isEmpty());
        QCOMPARE(asked, QStringList{"activate:"});

        const auto refused = ask("echo");
        QVERIFY(refused && !refused->bOk);
        QCOMPARE(refused->error, QString("nothing to echo"));
        const auto unknown = ask("flash");
        QVERIFY(unknown && !unknown->bOk);
        QCOMPARE(unknown->error, QString("unknown request flash"));

        QVERIFY(!platform::askRunningInstance(m_runtime.filePath("nobody"), "activate", 300));
    }

private:
    QTemporaryDir m_runtime;
};

QTEST_GUILESS_MAIN(SingleInstanceTest)
#include "tst_single_instance.moc"
