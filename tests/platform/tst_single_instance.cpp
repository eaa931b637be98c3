#include "platform/linux/LockFileInstance.h"

#include <QDateTime>
#include <QFile>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>

using platform::LockFileInstance;

class SingleInstanceTest : public QObject
{
    Q_OBJECT

private slots:
    void secondHolderIsRefused();
    void nameIsFreeAgainAfterTheFirstEnds();
    void oldLockOfALiveOwnerStillHolds();
    void lockOfADeadOwnerIsTakenOver();

private:
    QTemporaryDir m_runtime;
};

void SingleInstanceTest::secondHolderIsRefused()
{
    LockFileInstance first(m_runtime.path(), "RM402 Wireless Gaming Mouse Mutex");
    LockFileInstance second(m_runtime.path(), "RM402 Wireless Gaming Mouse Mutex");
    QVERIFY(first.acquire());
    QVERIFY(QFile::exists(m_runtime.filePath("RM402 Wireless Gaming Mouse Mutex.lock")));
    QVERIFY(!second.acquire());
    QVERIFY(first.acquire()); // asking again while holding it is not a second start
}

void SingleInstanceTest::nameIsFreeAgainAfterTheFirstEnds()
{
    {
        LockFileInstance first(m_runtime.path(), "ends");
        QVERIFY(first.acquire());
    }
    LockFileInstance next(m_runtime.path(), "ends");
    QVERIFY(next.acquire());
}

void SingleInstanceTest::oldLockOfALiveOwnerStillHolds()
{
    LockFileInstance first(m_runtime.path(), "old");
    QVERIFY(first.acquire());
    // A program that has run for hours must still count as running.
    QFile lock(first.lockPath());
    QVERIFY(lock.open(QIODevice::ReadWrite));
    QVERIFY(lock.setFileTime(QDateTime::currentDateTime().addDays(-2), QFileDevice::FileModificationTime));
    lock.close();

    LockFileInstance second(m_runtime.path(), "old");
    QVERIFY(!second.acquire());
}

void SingleInstanceTest::lockOfADeadOwnerIsTakenOver()
{
    // What a crashed instance leaves behind: pid, program name, host name, one per line.
    QFile stale(m_runtime.filePath("crashed.lock"));
    QVERIFY(stale.open(QIODevice::WriteOnly));
    stale.write("2147483646\nosken-config\n" + QSysInfo::machineHostName().toUtf8() + "\n");
    stale.close();

    LockFileInstance next(m_runtime.path(), "crashed");
    QVERIFY(next.acquire());
}

QTEST_GUILESS_MAIN(SingleInstanceTest)
#include "tst_single_instance.moc"
