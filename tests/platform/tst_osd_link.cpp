#include "platform/linux/LocalSocketOsdLink.h"

#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QTemporaryDir>
#include <QTest>

using platform::LocalSocketOsdLink;
using platform::OsdMessage;

class OsdLinkTest : public QObject
{
    Q_OBJECT

private slots:
    void deliversOneWholeMessage();
    void missingProgramDropsTheText();
    void launchesAtMostFiveTimes();

private:
    QTemporaryDir m_dir;
};

void OsdLinkTest::deliversOneWholeMessage()
{
    QLocalServer server;
    const QString name = m_dir.filePath("osd-server");
    QVERIFY(server.listen(name));

    OsdMessage message;
    message.text = QString::fromUtf8("DPI 2:1600 配置");
    message.color = platform::osdColor(0, 255, 255);
    LocalSocketOsdLink link(name, m_dir.filePath("no-such-program"));
    QVERIFY(link.send(message));

    QVERIFY(server.waitForNewConnection(5000));
    QLocalSocket* peer = server.nextPendingConnection();
    QVERIFY(peer);
    QByteArray received;
    QTRY_VERIFY(
        (received += peer->readAll(), received.size() >= 1044 || peer->state() != QLocalSocket::ConnectedState));
    received += peer->readAll();
    QCOMPARE(received.size(), 1044);
    QCOMPARE(received.left(8), QByteArray("D\0P\0I\0 \0", 8));
    QCOMPARE(received.mid(524, 4), QByteArray("\0\xFF\xFF\0", 4));
}

void OsdLinkTest::missingProgramDropsTheText()
{
    LocalSocketOsdLink link(m_dir.filePath("nobody-listens"), m_dir.filePath("no-such-program"));
    QVERIFY(!link.send(OsdMessage{}));
}

void OsdLinkTest::launchesAtMostFiveTimes()
{
    // A companion that starts but never listens: each launch leaves one line.
    const QString script = m_dir.filePath("silent-osd.sh");
    const QString launches = m_dir.filePath("launches.txt");
    QFile file(script);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("#!/bin/sh\necho started >> \"$1\"\n");
    file.close();
    QVERIFY(file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner));

    LocalSocketOsdLink link(m_dir.filePath("still-nobody"), script, {launches});
    QVERIFY(!link.send(OsdMessage{}));
    auto lineCount = [&] {
        QFile log(launches);
        return log.open(QIODevice::ReadOnly) ? log.readAll().count('\n') : 0;
    };
    QTRY_COMPARE(lineCount(), 5);
}

QTEST_GUILESS_MAIN(OsdLinkTest)
#include "tst_osd_link.moc"
