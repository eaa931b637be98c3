#include "OsdBox.h"
#include "OsdServer.h"

#include "platform/InstanceChannel.h"
#include "platform/OsdLink.h"

#include <QApplication>
#include <QFile>
#include <QLocalSocket>
#include <QProcess>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

using platform::OsdMessage;

namespace {

OsdMessage message(const QString& text, quint32 color = platform::osdColor(255, 0, 0))
{
    OsdMessage m;
    m.text = text;
    m.color = color;
    return m;
}

} // namespace

class OsdServerTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // The companion's socket and lock live in the per-user runtime folder: keep them in the test's own.
        qputenv("XDG_RUNTIME_DIR", m_runtime.path().toUtf8());
    }

    // A broken client shows nothing and leaves the server working; messages split across writes or sharing
    // one arrive whole, and the box shows them.
    void showsWhatClientsSend()
    {
        OsdServer server;
        OsdBox box;
        QObject::connect(&server, &OsdServer::messageReceived, &box, &OsdBox::showMessage);
        QVERIFY(server.listen(m_runtime.filePath("osd-test")));
        QSignalSpy received(&server, &OsdServer::messageReceived);
        {
            QLocalSocket broken;
            broken.connectToServer(m_runtime.filePath("osd-test"));
            QVERIFY(broken.waitForConnected(5000));
            broken.write(QByteArray(1043, '\xFF'));
            broken.waitForBytesWritten(5000);
        }
        QLocalSocket client;
        client.connectToServer(m_runtime.filePath("osd-test"));
        QVERIFY(client.waitForConnected(5000));
        const QByteArray first = platform::buildOsdMessage(message("Profile 1"));
        const QByteArray second =
            platform::buildOsdMessage(message(QString::fromUtf8("配置文件 3"), platform::osdColor(0, 255, 0)));
        client.write(first.left(700));
        client.flush();
        QTest::qWait(50);
        QCOMPARE(received.count(), 0); // half a message shows nothing
        client.write(first.mid(700) + second);
        QTRY_COMPARE(received.count(), 2);
        QCOMPARE(received.at(0).at(0).value<OsdMessage>().text, QString("Profile 1"));
        QCOMPARE(box.text(), QString::fromUtf8("配置文件 3"));
        QCOMPARE(box.textColor(), QColor(0, 255, 0));
        QCOMPARE(box.holdMs(), 1500);
        QVERIFY(box.isVisible());
    }

    // Sizes and times out of range are bounded; the box hides after its time and comes back.
    void boxBoundsWhatItIsAsked()
    {
        OsdBox box;
        OsdMessage huge = message(QString(255, QChar('W')));
        huge.fontSize = 0xFFFFFFFF;
        huge.durationMs = 0xFFFFFFFF;
        huge.fontName.clear();
        box.showMessage(huge);
        QCOMPARE(box.holdMs(), 10000);
        QVERIFY(box.font().pixelSize() <= 160);
        QVERIFY(box.width() <= QGuiApplication::primaryScreen()->availableGeometry().width());
        QVERIFY(box.shownText().endsWith(QChar(0x2026))); // wider than the screen: cut with an ellipsis

        OsdMessage tiny = message("1000 HZ");
        tiny.fontSize = 0;
        tiny.durationMs = 0;
        box.showMessage(tiny);
        QCOMPARE(box.holdMs(), 100);
        QVERIFY(box.font().pixelSize() >= 8);
        QTRY_VERIFY(!box.isVisible());
        // Shown again after it faded; short texts whole.
        for (const QString& text : {QString("Profile 3"), QString::fromUtf8("配置文件 5"), QString("WWWWWWWW")}) {
            box.showMessage(message(text));
            QCOMPARE(box.shownText(), text);
        }
        QVERIFY(box.isVisible());
        QCOMPARE(box.fadeLevel(), 1.0);
    }

    void companionIsStartedOnceStaysSingleAndEndsWithItsProgram()
    {
        const QString program = qEnvironmentVariable("OSKEN_RUNTIME_DIR") + "/osken-osd";
        if (!QFile::exists(program))
            QSKIP("osken-osd is not built");

        // The companion watches the socket of the program that started it.
        auto owner = std::make_unique<platform::InstanceServer>();
        QVERIFY(owner->listen(m_runtime.filePath("owner")));
        const std::unique_ptr<platform::OsdLink> link =
            platform::makeOsdLink(qEnvironmentVariable("OSKEN_RUNTIME_DIR"), {"--owner", m_runtime.filePath("owner")});
        QVERIFY(link->send(message("Profile 4"))); // nobody listened: the link started the companion
        QVERIFY(link->send(message("Profile 5")));

        // The companion's lock names its process; a second copy leaves at once with 0.
        const qint64 pid = companionPid();
        QVERIFY(pid > 0);
        QProcess second;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("ASAN_OPTIONS", "detect_leaks=0"); // the offscreen platform's own leaks are not ours
        second.setProcessEnvironment(environment);
        second.start(program, QStringList());
        QVERIFY(second.waitForFinished(10000));
        QCOMPARE(second.exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.exitCode(), 0);
        QVERIFY(link->send(message("still the first")));

        owner.reset(); // the program ended: so does its companion
        auto listening = [] {
            QLocalSocket probe;
            probe.connectToServer(platform::osdServerName());
            return probe.waitForConnected(100);
        };
        QTRY_VERIFY(!listening());
        QFile::remove(m_runtime.filePath(platform::osdInstanceName() + ".lock"));
    }

    void cleanupTestCase()
    {
        // A companion left running would hold the test's output open.
        if (const qint64 pid = companionPid())
            ::kill(pid_t(pid), SIGTERM);
    }

private:
    qint64 companionPid() const
    {
        QFile lock(m_runtime.filePath(platform::osdInstanceName() + ".lock"));
        return lock.open(QIODevice::ReadOnly) ? lock.readLine().trimmed().toLongLong() : 0;
    }

    QTemporaryDir m_runtime;
};

QTEST_MAIN(OsdServerTest)
#include "tst_osd_server.moc"
