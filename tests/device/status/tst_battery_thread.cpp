#include "device/status/BatteryLevel.h"
#include "device/status/StatusThreadRunner.h"

#include <QSignalSpy>
#include <QTest>

#include <deque>

namespace {

// Plays back one scripted read result per read; the handle disappears when the script is used up. The test
// looks at the log only after the thread ended.
struct ScriptedPort : CommandPort
{
    std::deque<std::pair<int, Frame>> reads; // > 0 data, 0 time-out, < 0 failure
    QStringList log;
    std::vector<Frame> writes;

    void addReport(std::initializer_list<quint8> head)
    {
        Frame data{};
        std::copy(head.begin(), head.end(), data.begin());
        reads.emplace_back(kFrameSize, data);
    }
    void addTimeout() { reads.emplace_back(0, Frame{}); }
    void addFailure() { reads.emplace_back(-1, Frame{}); }

    bool hasCommandHandle() const override { return !reads.empty(); }
    int writeReport(const Frame& frame) override
    {
        log << QString("W%1").arg(frame[3], 2, 16, QChar('0'));
        writes.push_back(frame);
        return kFrameSize;
    }
    int readReport(quint8* buffer, int length, int) override
    {
        log << "R";
        if (reads.empty())
            return -1;
        const auto [result, data] = reads.front();
        reads.pop_front();
        if (result > 0)
            std::copy(data.begin(), data.begin() + qMin(length, kFrameSize), buffer);
        return result;
    }
};

// No pause anywhere: after query, read time-out, after query read, after read failure, after listening.
const StatusTiming kInstant{0, 0, 0, 0, 0};

void runToEnd(OrnGetBatteryThread& thread)
{
    thread.start();
    QVERIFY(thread.wait(10000));
}

} // namespace

class TestBatteryThread : public QObject
{
    Q_OBJECT
private slots:
    void percentFromReading_data()
    {
        QTest::addColumn<int>("low");
        QTest::addColumn<int>("high");
        QTest::addColumn<int>("mv");
        QTest::addColumn<int>("percent");
        QTest::addRow("4199 mV is not above 4199") << 0xFA << 0x03 << 4199 << 90;
        QTest::addRow("4203 mV is") << 0xFB << 0x03 << 4203 << 100;
        QTest::addRow("774 reads 3192 mV, lowest step") << 0x06 << 0x03 << 3192 << 10;
        QTest::addRow("full scale") << 0xFF << 0xFF << 270331 << 100;
    }

    void percentFromReading()
    {
        QFETCH(int, low);
        QFETCH(int, high);
        QTEST(batteryMillivolts(quint8(low), quint8(high)), "mv");
        QTEST(batteryPercent(quint8(low), quint8(high)), "percent");
    }

    void queryPassThenListening()
    {
        ScriptedPort port;
        port.addReport({0, 0, 0, 0x48, 0x00, 0x04, 1, 1}); // answer to the query: charging, full, stored ok
        port.addTimeout();                                 // listening read of the same pass
        OrnGetBatteryThread thread(port, kInstant);
        QSignalSpy battery(&thread, &OrnGetBatteryThread::RefreshBatteryStatus);
        QSignalSpy write(&thread, &OrnGetBatteryThread::RefreshWriteStatus);
        runToEnd(thread);

        QCOMPARE(port.log, (QStringList{"W48", "R", "R"}));
        const Frame query = port.writes.at(0);
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(query.data()), kFrameSize).toHex(),
                 QByteArray("0524fa48").append(QByteArray(2 * (kFrameSize - 4), '0')));
        QCOMPARE(battery.count(), 1);
        QCOMPARE(battery.at(0), (QVariantList{quint8(1), quint8(0x00), quint8(0x04)}));
        QCOMPARE(write.count(), 1);
        QCOMPARE(write.at(0).at(0).value<quint8>(), quint8(1));
    }

    void queryAgainAfterFiftySixListeningReads()
    {
        ScriptedPort port;
        for (int i = 0; i < 1 + 56 + 1; ++i)
            port.addTimeout();
        OrnGetBatteryThread thread(port, kInstant);
        runToEnd(thread);

        const QStringList log = port.log;
        QCOMPARE(log.count("W48"), 2);
        const int second = log.lastIndexOf("W48");
        // The first query's read, then 56 listening reads before the next query.
        QCOMPARE(second, 1 + 1 + 56);
    }

    void zeroAndFailedRepliesReportNoWriteStatus()
    {
        ScriptedPort port;
        port.addFailure();                           // the query's read fails
        port.addReport({0, 0, 0, 0x48, 0, 0, 0, 0}); // a sleeping mouse answers all zero
        OrnGetBatteryThread thread(port, kInstant);
        QSignalSpy battery(&thread, &OrnGetBatteryThread::RefreshBatteryStatus);
        QSignalSpy write(&thread, &OrnGetBatteryThread::RefreshWriteStatus);
        runToEnd(thread);

        QCOMPARE(battery.count(), 2);
        for (const QVariantList& args : battery)
            QCOMPARE(args, (QVariantList{quint8(0), quint8(0), quint8(0)}));
        QCOMPARE(write.count(), 0);
    }

    void statusReportForwarded()
    {
        ScriptedPort port;
        port.addTimeout();
        port.addReport({0, 0, 0, 0x49, 2, 3, 8, 0x77});
        port.addReport({0, 0, 0, 0x47, 1, 1, 1, 1}); // unknown kind: ignored
        OrnGetBatteryThread thread(port, kInstant);
        QSignalSpy status(&thread, &OrnGetBatteryThread::RefreshStatus);
        QSignalSpy battery(&thread, &OrnGetBatteryThread::RefreshBatteryStatus);
        runToEnd(thread);

        QCOMPARE(status.count(), 1);
        QCOMPARE(status.at(0), (QVariantList{quint8(2), quint8(3), quint8(8), quint8(0x77)}));
        QCOMPARE(battery.count(), 0);
    }

    void stopCutsAPauseShort()
    {
        // Reads time out at once and every pause lasts a minute: only a stop that wakes the pause ends the thread.
        class IdlePort : public CommandPort
        {
        public:
            bool hasCommandHandle() const override { return true; }
            int writeReport(const Frame&) override { return kFrameSize; }
            int readReport(quint8*, int, int) override { return 0; }
        } port;
        const StatusTiming minutePauses{60000, 50, 60000, 450, 60000};
        StatusThreadRunner runner(port, minutePauses);
        OrnGetBatteryThread* thread = runner.start();
        QTRY_VERIFY(thread->isRunning());
        QVERIFY(runner.stop(5000));
        QVERIFY(runner.current() == nullptr);
    }
};

QTEST_GUILESS_MAIN(TestBatteryThread)
#include "tst_battery_thread.moc"
