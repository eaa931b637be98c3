#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QLocalSocket>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

// Installs the program, starts it on its own X server with the virtual mouse, drives the real window with
// synthetic clicks and keys (xdotool), and checks the virtual mouse and the files on disk.
class InstalledProgramTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (QStandardPaths::findExecutable("Xvfb").isEmpty() || QStandardPaths::findExecutable("xdotool").isEmpty())
            QFAIL("Xvfb and xdotool are needed (scripts/deps.sh installs them)");
        QVERIFY(m_Root.isValid());
        QProcess install;
        install.start("cmake", QStringList{"--install", OSKEN_BUILD_DIR, "--prefix", prefix()});
        QVERIFY(install.waitForFinished(120000));
        QCOMPARE(install.exitCode(), 0);
        // Programs in bin/, their data in share/osken-config/, found from the program's own place below.
        for (const char* file : {"bin/osken-config", "bin/osken-osd", "bin/osken-ctl", "share/osken-config/Config.ini",
                                 "share/osken-config/skin/icon.ico", "share/osken-config/lang/sc.qm",
                                 "share/man/man1/osken-config.1.gz", "share/icons/hicolor/16x16/apps/osken-config.png",
                                 "share/applications/osken-config.desktop", "share/doc/osken-config/copyright"})
            QVERIFY2(QFile::exists(prefix() + "/" + file), file);
        QVERIFY(!QFile::exists(prefix() + "/bin/skin"));
        QDirIterator installed(prefix(), QDir::AllEntries | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
        while (installed.hasNext())
            QVERIFY2(!installed.next().section('/', -1).contains(' '), qPrintable(installed.filePath()));

        // The server picks a free display and names it on its standard output once it accepts clients.
        m_X.start("Xvfb", QStringList{"-displayfd", "1", "-screen", "0", "1280x800x24", "-nolisten", "tcp"});
        QVERIFY(m_X.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(m_X.canReadLine() || m_X.state() != QProcess::Running, 30000);
        const QByteArray number = m_X.readLine().trimmed();
        QVERIFY2(!number.isEmpty(), "Xvfb did not start");
        m_Display = QStringLiteral(":") + QString::fromLatin1(number);

        QDir().mkpath(dataHome());
        QFile::setPermissions(m_Root.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("DISPLAY", m_Display);
        env.insert("QT_QPA_PLATFORM", "xcb");
        env.insert("XDG_DATA_HOME", dataHome());
        env.insert("XDG_RUNTIME_DIR", m_Root.path());
        env.insert("OSKEN_VIRTUAL_MOUSE", "1");
        env.insert("OSKEN_VIRTUAL_MOUSE_CONTROL", controlName());
        env.remove("OSKEN_RUNTIME_DIR"); // the installed program finds its files beside itself
        m_Program.setProcessEnvironment(env);
        m_Program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_Program.start(prefix() + "/bin/osken-config", QStringList());
        QVERIFY(m_Program.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(!windowId("OSKEN R5 Config").isEmpty(), 15000);
        QTest::qWait(500);
    }

    void cleanupTestCase()
    {
        m_Program.kill();
        m_Program.waitForFinished();
        m_X.kill();
        m_X.waitForFinished();
    }

    void secondStartExitsAtOnce()
    {
        QProcess second;
        second.setProcessEnvironment(m_Program.processEnvironment());
        second.start(prefix() + "/bin/osken-config", QStringList());
        QVERIFY(second.waitForFinished(10000));
        QCOMPARE(second.exitCode(), 1);
    }

    // The slot menu switches the mouse at once and remembers the slot.
    void slotMenuThroughTheWindow()
    {
        clickInWindow(80, 611); // the slot button of the profile bar
        QTest::qWait(400);
        xdotool({"key", "Down", "Down", "Return"});
        QTRY_COMPARE_WITH_TIMEOUT(stateValue("profile"), QStringLiteral("1"), 5000);
        QSettings product(dataHome() + "/OSKEN R5/OSKEN R5/Config.ini", QSettings::IniFormat);
        QCOMPARE(product.value("Config/ProfileID").toInt(), 1);
    }

    // A DPI stage chosen with a click on the DPI tab reaches the mouse and the profile file through Apply.
    void dpiStageAppliedThroughTheWindow()
    {
        clickInWindow(770, 71); // the DPI tab
        QTest::qWait(300);
        clickInWindow(524, 254); // the third stage's label
        QTest::qWait(200);
        clickInWindow(955, 611); // Apply
        QTRY_COMPARE_WITH_TIMEOUT(stateValue("dpi"), QStringLiteral("2"), 8000);
        const QString slotName = QSettings(dataHome() + "/OSKEN R5/OSKEN R5/Config.ini", QSettings::IniFormat)
                                     .value("Config/Profile2")
                                     .toString();
        QVERIFY(!slotName.isEmpty());
        QSettings profile(dataHome() + "/OSKEN R5/OSKEN R5/Profile/" + slotName + ".prof", QSettings::IniFormat);
        QCOMPARE(profile.value("PROFILE/dpi").toInt(), 2);
    }

    // Pulling the receiver brings up the warning; plugging it back closes it and the window carries on.
    void receiverPulledAndPluggedBack()
    {
        QCOMPARE(control("unplug"), QByteArray("ok\n"));
        QTRY_VERIFY_WITH_TIMEOUT(!windowId("Warning").isEmpty(), 8000);
        QCOMPARE(control("plug"), QByteArray("ok\n"));
        QTRY_VERIFY_WITH_TIMEOUT(windowId("Warning").isEmpty(), 8000);
        QVERIFY(!windowId("OSKEN R5 Config").isEmpty());
        QCOMPARE(stateValue("plugged"), QStringLiteral("1"));
        QCOMPARE(m_Program.state(), QProcess::Running);
    }

private:
    QString prefix() const { return m_Root.path() + "/prefix"; }
    QString dataHome() const { return m_Root.path() + "/data"; }
    QString controlName() const { return m_Root.path() + "/virtual-mouse"; }

    QString xdotool(const QStringList& arguments) const
    {
        QProcess tool;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("DISPLAY", m_Display);
        tool.setProcessEnvironment(env);
        tool.start("xdotool", arguments);
        tool.waitForFinished(10000);
        return QString::fromUtf8(tool.readAllStandardOutput()).trimmed();
    }

    QString windowId(const QString& title) const
    {
        return xdotool({"search", "--onlyvisible", "--name", "^" + QRegularExpression::escape(title) + "$"})
            .section('\n', 0, 0);
    }

    void clickInWindow(int x, int y) const
    {
        const QString id = windowId("OSKEN R5 Config");
        xdotool({"mousemove", "--window", id, QString::number(x), QString::number(y)});
        xdotool({"click", "1"});
    }

    QByteArray control(const QByteArray& command) const
    {
        QLocalSocket socket;
        socket.connectToServer(controlName());
        if (!socket.waitForConnected(3000))
            return "no control socket";
        socket.write(command + '\n');
        socket.flush();
        QByteArray answer;
        while (!answer.endsWith("ok\n") && !answer.contains("error") && socket.waitForReadyRead(3000))
            answer += socket.readAll();
        return answer;
    }

    QString stateValue(const QString& key) const
    {
        const QStringList lines = QString::fromUtf8(control("state")).split('\n');
        for (const QString& line : lines)
            if (line.startsWith(key + ' '))
                return line.section(' ', 1);
        return QString();
    }

    QTemporaryDir m_Root;
    QString m_Display;
    QProcess m_X;
    QProcess m_Program;
};

QTEST_GUILESS_MAIN(InstalledProgramTest)
#include "tst_installed_program.moc"
