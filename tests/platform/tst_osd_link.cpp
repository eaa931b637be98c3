#include "platform/linux/LocalSocketOsdLink.h"
#include "platform/linux/NotificationOsdLink.h"

#include <QDBusConnection>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using platform::LocalSocketOsdLink;
using platform::OsdMessage;

// A stand-in for the desktop's notification server: records each call and answers with the id it shows.
class FakeNotifications : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")

public:
    QList<QPair<uint, QString>> calls; // replaced id, text

public slots:
    uint Notify(const QString&, uint iReplaces, const QString&, const QString& summary, const QString&,
                const QStringList&, const QVariantMap&, int)
    {
        calls << qMakePair(iReplaces, summary);
        return iReplaces != 0 ? iReplaces : 7;
    }
};

class OsdLinkTest : public QObject
{
    Q_OBJECT

private slots:
    void deliversOneWholeMessage()
    {
        QLocalServer server;
        const QString name = m_dir.filePath("osd-server");
        QVERIFY(server.listen(name));

        OsdMessage message;
        message.text = QString::fromUtf8("DPI 2:1600 配置");
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
    }

    void launchesAtMostFiveTimes()
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

    // Texts sent while a call is out do not pile up: only the newest follows, and it replaces the one shown.
    void notificationsReplaceEachOther()
    {
        QProcess bus;
        bus.start("dbus-daemon", {"--session", "--nofork", "--print-address"});
        if (!bus.waitForStarted())
            QSKIP("dbus-daemon is not installed");
        QVERIFY(bus.waitForReadyRead(5000));
        const QString address = QString::fromUtf8(bus.readLine()).trimmed();
        QDBusConnection server = QDBusConnection::connectToBus(address, "notification-server");
        FakeNotifications fake;
        QVERIFY(server.registerService("org.freedesktop.Notifications"));
        QVERIFY(server.registerObject("/org/freedesktop/Notifications", &fake, QDBusConnection::ExportAllSlots));

        platform::NotificationOsdLink link(QDBusConnection::connectToBus(address, "program"));
        OsdMessage message;
        for (const char* text : {"Profile 1", "Profile 2", "Profile 3"}) {
            message.text = text;
            QVERIFY(link.send(message));
        }
        QTRY_COMPARE(fake.calls.size(), 2);
        QCOMPARE(fake.calls[0], qMakePair(0u, QString("Profile 1")));
        QCOMPARE(fake.calls[1], qMakePair(7u, QString("Profile 3")));
        message.text = "Profile 4";
        QVERIFY(link.send(message));
        QTRY_COMPARE(fake.calls.size(), 3);
        QCOMPARE(fake.calls[2], qMakePair(7u, QString("Profile 4")));
        bus.kill();
        bus.waitForFinished();
    }

private:
    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(OsdLinkTest)
#include "tst_osd_link.moc"
