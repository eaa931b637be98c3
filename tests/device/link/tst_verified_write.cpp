#include "ScriptedHidBackend.h"
#include "device/link/VerifiedWrite.h"

#include <QTest>

#include <algorithm>

namespace {

// The block used by most rows: button table bytes at address 2, two payload bytes AA BB.
Frame blockFrame(quint8 command)
{
    Frame f{};
    const quint8 head[] = {0x05, 0x00, 0xFA, command, 0x02, 0x00, 0x02, 0xD2, 0xAA, 0xBB};
    std::copy(std::begin(head), std::end(head), f.begin());
    return f;
}

// Script tokens, each optionally followed by a repeat count ("C20"):
// E echo, P echo with other bytes 1 and 7, X echo with a byte past the payload changed, Z all-zero report,
// C other command byte, D other second payload byte, T time-out, F read failure,
// S status report (0x49), B battery reply (0x48).
void playScript(ScriptedHidBackend& backend, const Frame& sent, const QString& script)
{
    for (const QString& token : script.split(' ', Qt::SkipEmptyParts)) {
        const QChar kind = token.at(0);
        const int repeat = token.size() > 1 ? token.mid(1).toInt() : 1;
        for (int i = 0; i < repeat; ++i) {
            ScriptedHidBackend::Report r{};
            std::copy(sent.begin(), sent.end(), r.begin());
            if (kind == 'T') {
                backend.addTimeout();
                continue;
            }
            if (kind == 'F') {
                backend.addReadFailure();
                continue;
            }
            if (kind == 'P') {
                r[1] ^= 0x5A;
                r[7] = 0x00;
            } else if (kind == 'X') {
                r[10] = 0x77;
            } else if (kind == 'Z') {
                r.fill(0);
            } else if (kind == 'C') {
                r[3] = quint8(r[3] + 1);
            } else if (kind == 'D') {
                r[9] = 0xBC;
            } else if (kind == 'S' || kind == 'B') {
                r = {0x05, 0x00, 0xFA, quint8(kind == 'S' ? 0x49 : 0x48), quint8(i), 0x01, 0x02};
            }
            backend.addReply(r);
        }
    }
}

int countTokens(const QString& script, const QString& kinds)
{
    int n = 0;
    for (const QString& token : script.split(' ', Qt::SkipEmptyParts)) {
        if (kinds.contains(token.at(0)))
            n += token.size() > 1 ? token.mid(1).toInt() : 1;
    }
    return n;
}

LinkClock noWait()
{
    return LinkClock{[] { return qint64(0); }, [](int) {}};
}

} // namespace

class TestVerifiedWrite : public QObject
{
    Q_OBJECT
private slots:
    void retryRules_data()
    {
        QTest::addColumn<int>("command");
        QTest::addColumn<QString>("script");
        QTest::addColumn<QList<int>>("writeResults");
        QTest::addColumn<int>("result");
        QTest::addColumn<int>("writes");
        QTest::addColumn<int>("reads");
        QTest::addColumn<int>("rereadWaits");
        QTest::addColumn<bool>("echoed");

        const QList<int> ok;
        QTest::addRow("echo") << 0x03 << "E" << ok << 0 << 1 << 1 << 0 << true;
        QTest::addRow("bytes 1 and 7 differ only") << 0x03 << "P" << ok << 0 << 1 << 1 << 0 << true;
        QTest::addRow("byte past the payload differs") << 0x03 << "X" << ok << 0 << 1 << 1 << 0 << true;
        // The first time-out leaves the cleared buffer: six zero replies, five of them rewrites, then done,
        // within the second (6 x (10 + 150) ms) and without an echo.
        QTest::addRow("silent mouse: six time-outs") << 0x03 << "T6" << ok << 0 << 6 << 6 << 0 << false;
        QTest::addRow("five zero replies then echo") << 0x03 << "Z5 E" << ok << 0 << 6 << 6 << 0 << true;
        // The sixth zero acts on the last comparison: a command mismatch re-reads after 50 ms.
        QTest::addRow("zeros after a command mismatch") << 0x03 << "C Z6 E" << ok << 0 << 6 << 8 << 2 << true;
        // ... and a data mismatch costs a rewrite: writes 1, 2 (data), 3-7 (zeros), 8 (sixth zero).
        QTest::addRow("zeros after a data mismatch") << 0x03 << "D Z6 E" << ok << 0 << 8 << 8 << 0 << true;
        // A mismatch does not reset the zero count: the next zero is the sixth.
        QTest::addRow("zeros before a mismatch still count") << 0x03 << "Z5 C Z E" << ok << 0 << 6 << 8 << 2 << true;
        // Zeros and mismatches in turn once bought a rewrite each, over a hundred writes; now the ceiling ends it.
        QTest::addRow("zeros and mismatches in turn")
            << 0x03 << QString("Z C ").repeated(40) << ok << 2 << 6 << 24 << 18 << false;
        // A time-out keeps the mismatching reply, so it counts again.
        QTest::addRow("time-outs repeat the mismatch") << 0x03 << "C T3 E" << ok << 0 << 1 << 5 << 4 << true;
        QTest::addRow("time-outs after a mismatch reach the ceiling")
            << 0x03 << "C T19 E" << ok << 2 << 1 << 6 << 5 << false;
        QTest::addRow("19 command mismatches re-read") << 0x03 << "C19 E" << ok << 0 << 1 << 20 << 19 << true;
        QTest::addRow("20th command mismatch rewrites") << 0x03 << "C20 E" << ok << 0 << 2 << 21 << 19 << true;
        QTest::addRow("mismatch after the fourth write") << 0x03 << "C23" << ok << 2 << 4 << 23 << 19 << false;
        QTest::addRow("three data mismatches") << 0x03 << "D3 E" << ok << 0 << 4 << 4 << 0 << true;
        QTest::addRow("four data mismatches") << 0x03 << "D4" << ok << 2 << 4 << 4 << 0 << false;
        QTest::addRow("read failure re-reads") << 0x03 << "F E" << ok << 0 << 1 << 2 << 1 << true;
        // 50 ms apart, read failures reach the ceiling before the 30th could cost a rewrite.
        QTest::addRow("read failures reach the ceiling") << 0x03 << "F30 E" << ok << 2 << 1 << 20 << 19 << false;
        // Reports that are not the echo go to the status handling and cost nothing.
        QTest::addRow("status burst before the echo") << 0x03 << "S20 E" << ok << 0 << 1 << 21 << 0 << true;
        QTest::addRow("battery reply before the echo") << 0x46 << "B S E" << ok << 0 << 1 << 3 << 0 << true;
        // The time-out after a status report does not hand it over again: it reads as the cleared buffer.
        QTest::addRow("time-outs after a status report") << 0x03 << "S T6" << ok << 0 << 6 << 7 << 0 << false;
        QTest::addRow("failed write") << 0x03 << "E" << QList<int>{-1} << 4 << 1 << 0 << 0 << false;
        QTest::addRow("failed rewrite") << 0x03 << "D E" << QList<int>{33, -1} << 4 << 2 << 1 << 0 << false;
        QTest::addRow("0x44 written once") << 0x44 << "C E" << ok << 0 << 1 << 0 << 0 << false;
        QTest::addRow("0x0A compares the payload") << 0x0A << "D E" << ok << 0 << 2 << 2 << 0 << true;
        QTest::addRow("0x40 header only") << 0x40 << "D" << ok << 0 << 1 << 1 << 0 << true;
        QTest::addRow("0x40 header compared") << 0x40 << "C E" << ok << 0 << 1 << 2 << 1 << true;
    }

    void retryRules()
    {
        QFETCH(int, command);
        QFETCH(QString, script);
        QFETCH(QList<int>, writeResults);
        QFETCH(int, result);
        QFETCH(int, writes);
        QFETCH(int, reads);
        QFETCH(int, rereadWaits);

        ScriptedHidBackend backend;
        const Frame sent = blockFrame(quint8(command));
        playScript(backend, sent, script);
        for (int r : writeResults)
            backend.addWriteResult(r);
        // The clock moves only by the waits the write asks for and by the time-outs of its reads.
        qint64 now = 0;
        QList<int> sleeps;
        int longestRead = 0;
        backend.setTimeoutHook([&](int timeoutMs) {
            now += timeoutMs;
            longestRead = qMax(longestRead, timeoutMs);
        });
        const LinkClock clock{[&now] { return now; },
                              [&](int ms) {
                                  sleeps << ms;
                                  now += ms;
                              }};
        std::unique_ptr<HidDevice> handle = backend.openPath("cmd", 5);
        int handed = 0;
        const VerifiedOutcome outcome = sendVerifiedFrame(handle.get(), sent, clock, [&](const Frame& report) {
            QVERIFY(report[3] == 0x48 || report[3] == 0x49);
            ++handed;
        });
        const auto written = backend.writes();
        QCOMPARE(int(outcome.result), result);
        QCOMPARE(int(written.size()), writes);
        QCOMPARE(backend.readsDone(), reads);
        QCOMPARE(int(sleeps.count(50)), rereadWaits);
        QTEST(outcome.bEchoed, "echoed");
        // Every accepted write is followed by its 10 ms wait.
        QCOMPARE(int(sleeps.count(10)), writes - (result == DeviceResult::WriteFailed ? 1 : 0));
        QVERIFY2(now <= kFrameCeilingMs, qPrintable(QString::number(now)));
        QVERIFY(longestRead <= 150);
        // A rewrite sends the very bytes of the first write, checksum included.
        QVERIFY(std::all_of(written.begin(), written.end(), [&](const auto& w) { return w == written.front(); }));
        if (reads > 0 && script.count('S') + script.count('B') > 0)
            QCOMPARE(handed, countTokens(script, "SB"));
    }

    void writtenFrameCarriesChecksum_data()
    {
        QTest::addColumn<QByteArray>("frame");
        QTest::addColumn<QByteArray>("written");
        // FA+03+02+00+02+D2 = 0x1D3 -> D3 ^ 66 = B5
        QTest::addRow("button block") << QByteArray::fromHex("0500fa03020002d2aabb")
                                      << QByteArray::fromHex("05b5fa03020002d2aabb");
        // FA+40+F3+04 = 0x231 -> 31 ^ 66 = 57; a stale checksum is replaced
        QTest::addRow("reload section") << QByteArray::fromHex("0599fa40f3040000")
                                        << QByteArray::fromHex("0557fa40f3040000");
    }

    void writtenFrameCarriesChecksum()
    {
        QFETCH(QByteArray, frame);
        QFETCH(QByteArray, written);
        Frame f{};
        std::copy(frame.begin(), frame.end(), f.begin());
        ScriptedHidBackend backend;
        ScriptedHidBackend::Report echo{};
        std::copy(written.begin(), written.end(), echo.begin());
        backend.addReply(echo);
        auto handle = backend.openPath("cmd", 5);
        QCOMPARE(int(sendVerifiedFrame(handle.get(), f, noWait()).result), 0);
        QCOMPARE(backend.writes().size(), size_t(1));
        const ScriptedHidBackend::Report w = backend.writes().front();
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(w.data()), written.size()), written);
        for (int i = written.size(); i < kFrameSize; ++i)
            QCOMPARE(int(w[i]), 0);
    }

    void lengthBeyondTheFrameIsSafe()
    {
        // A length byte of 0xFF is held to the 25 bytes after the header; the echo then compares equal.
        Frame sent = blockFrame(0x01);
        sent[6] = 0xFF;
        sent[32] = 0x42;
        ScriptedHidBackend backend;
        playScript(backend, sent, "E");
        auto handle = backend.openPath("cmd", 5);
        QCOMPARE(int(sendVerifiedFrame(handle.get(), sent, noWait()).result), 0);

        ScriptedHidBackend other;
        ScriptedHidBackend::Report r{};
        std::copy(sent.begin(), sent.end(), r.begin());
        r[32] = 0x43; // the last byte of the frame is still payload
        for (int i = 0; i < 4; ++i)
            other.addReply(r);
        auto otherHandle = other.openPath("cmd", 5);
        QCOMPARE(int(sendVerifiedFrame(otherHandle.get(), sent, noWait()).result), 2);
    }

    void noHandle() { QCOMPARE(int(sendVerifiedFrame(nullptr, blockFrame(0x03), noWait()).result), 1); }
};

QTEST_GUILESS_MAIN(TestVerifiedWrite)
#include "tst_verified_write.moc"
