#include "../CtlProcess.h"
#include "CtlArguments.h"
#include "EditCommands.h"
#include "LinkCommands.h"
#include "ScriptedHidBackend.h"
#include "ShowCommands.h"
#include "TestDataHome.h"
#include "TestMain.h"

#include "hid/sim/VirtualReceiver.h"
#include "store/AppSettings.h"
#include "store/ConfigFiles.h"
#include "store/DataPaths.h"
#include "store/ProfileFiles.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocalSocket>
#include <QSettings>
#include <QTest>

namespace {

// 33 bytes: the given ones, then zeros.
QString line(const QString& head)
{
    QStringList bytes = head.split(QLatin1Char(' '));
    while (bytes.size() < 33)
        bytes << "00";
    return bytes.join(QLatin1Char(' '));
}

// Lets a test keep the virtual receiver it hands to a command.
class BorrowedBackend : public HidBackend
{
public:
    explicit BorrowedBackend(VirtualReceiver& receiver) : m_receiver(receiver) {}
    int init() override { return m_receiver.init(); }
    void exit() override { m_receiver.exit(); }
    std::vector<HidDeviceInfo> enumerate(quint16 v, quint16 p) override { return m_receiver.enumerate(v, p); }
    std::unique_ptr<HidDevice> openPath(const QByteArray& path, int id) override
    {
        return m_receiver.openPath(path, id);
    }
    int releaseNumber(const QByteArray& path) override { return m_receiver.releaseNumber(path); }

private:
    VirtualReceiver& m_receiver;
};

// Runs a command in this process against `receiver`; what it prints, output and messages, goes to `printed`.
int runHere(const QStringList& args, VirtualReceiver& receiver, QString* printed = nullptr)
{
    CtlRequest request;
    QString text;
    QTextStream out(printed ? printed : &text);
    QTextStream err(printed ? printed : &text);
    if (!parseCtlArguments(args, request, text))
        return CtlExit::Usage;
    CtlServices services{[&receiver] { return std::make_unique<BorrowedBackend>(receiver); }, nullptr};
    if (request.changes())
        return runChange(request, services, err);
    switch (request.command) {
    case CtlCommand::Show:
        return runShow(request, out, err);
    case CtlCommand::Status:
        return runStatus(request, std::make_unique<BorrowedBackend>(receiver), out, err);
    case CtlCommand::List:
        return runList(request, std::make_unique<BorrowedBackend>(receiver), out, err);
    default:
        return -1;
    }
}

// Key paths of a JSON value with a type letter each (n number, s string, b bool, z null); arrays by their
// first element.
QStringList shape(const QJsonValue& value, const QString& path = QString())
{
    if (value.isObject()) {
        QStringList keys;
        const QJsonObject object = value.toObject();
        for (auto it = object.begin(); it != object.end(); ++it)
            keys << shape(it.value(), path.isEmpty() ? it.key() : path + '.' + it.key());
        return keys;
    }
    if (value.isArray())
        return shape(value.toArray().first(), path + "[]");
    const char type = value.isDouble() ? 'n' : value.isString() ? 's' : value.isBool() ? 'b' : 'z';
    return {path + ':' + type};
}

} // namespace

class CtlArgumentsTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void refused_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addRow("nothing") << QStringList{};
        QTest::addRow("unknown command") << QStringList{"flash", "a.conf"};
        QTest::addRow("no file") << QStringList{"frames"};
        QTest::addRow("two files") << QStringList{"frames", "a.conf", "b.conf"};
        QTest::addRow("wrong suffix") << QStringList{"frames", "a.ini"};
        QTest::addRow("mask too big") << QStringList{"frames", "--sections", "16", "a.conf"};
        QTest::addRow("sensor not a number") << QStringList{"frames", "--sensor", "33x5", "a.conf"};
        QTest::addRow("option without value") << QStringList{"frames", "a.conf", "--product"};
        QTest::addRow("unknown option") << QStringList{"frames", "--force", "a.conf"};
        QTest::addRow("apply takes no product") << QStringList{"apply", "--product", "X", "a.conf"};
        QTest::addRow("status takes no file") << QStringList{"status", "a.conf"};
        QTest::addRow("slot out of range") << QStringList{"show", "--slot", "6"};
        QTest::addRow("json of a change") << QStringList{"rate", "500", "--json"};
        QTest::addRow("y not a number") << QStringList{"dpi", "2", "800", "--y", "x"};
    }

    void refused()
    {
        QFETCH(QStringList, args);
        CtlRequest request;
        QString error;
        QVERIFY(!parseCtlArguments(args, request, error));
        QVERIFY(!error.isEmpty());
        QVERIFY(!error.contains(QLatin1Char('\n')));
    }
};

class CtlToolTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        m_home = std::make_unique<TestDataHome>();
        QVERIFY(writeCurrentProductName("OSKEN R5"));
        // Every slot scroll 3 and 1000 Hz; slot 2 active on stage 2 with FULL LIGHTED (effect code 2), its tables
        // written: stage 1 at 10/51, record 1 bound to a macro.
        ConfigData config;
        for (int i = 0; i < kSlotCount; ++i) {
            config.slotProfileNames[i] = QString("Profile %1").arg(i + 1);
            config.slots[i].scrollspeed = 3;
            config.slots[i].pollrate = 1;
        }
        config.ProfileID = 1;
        config.slots[1].dpi = 2;
        config.slots[1].LedMode = 1;
        config.slots[1].stages[0] = DpiInfo{1, 0, 0, 10, 51};
        ButtonInfo& macro = config.slots[1].buttons[1];
        macro.Fun = 200;
        macro.LoopNumber = 1;
        macro.macroname = "Burst";
        m_home->writeFile("OSKEN R5/MacroDB/Burst.MSMACRO",
                          "[Setting]\nCount=2\nMap_0=1\nDataL_0=30\nMap_1=2\nDataL_1=30\n");
        m_conf = m_home->path() + "/set.conf";
        QVERIFY(exportConfig(config, m_conf));
        QVERIFY(writeMouseName(m_conf, "OSKEN R5"));
    }

    // One data folder and configuration file for all cases (writing a configuration is slow); every case starts
    // from a stored configuration that needs no full write.
    void init() { QVERIFY(writeDiff(0)); }

    void cleanupTestCase() { m_home.reset(); }

    void helpNamesEveryCommand()
    {
        const CtlRun run = runCtl({"--help"});
        QCOMPARE(run.exitCode, 0);
        // help2man makes the man page from these sections.
        for (const char* text : {"frames",         "apply",          "status",          "defaults",
                                 "list",           "show",           "profile SLOT",    "dpi STAGE",
                                 "rate ",          "speed",          "lighting EFFECT", "button BUTTON",
                                 "reset",          "watch",          "functions",       "effects",
                                 "--json",         "never read",     "\nCommands:",     "\nOptions:",
                                 "\nExit status:", "\nEnvironment:", "\nFiles:",        "\nJSON output:"})
            QVERIFY2(run.out.contains(QLatin1String(text)), text);
        QVERIFY(runCtl({"--version"}).out.startsWith("osken-ctl (OSKEN R5 Config) "));
    }

    void changes_data()
    {
        QTest::addColumn<QStringList>("before"); // commands run first; "unplug" and "sleep" act on the mouse
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("files"); // "Profile 1:PROFILE/dpi=3;Config:Config/Diff=1": keys of the files
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QList<int>>("runs"); // the frames' commands, runs of one folded: battery query 0x48, the write
        QTest::addColumn<QString>("memory");  // "settings 17 03": table bytes from an offset; "active 2": the profile
        const QList<int> settings{0x48, 0x46, 0x01, 0x40, 0x46};
        const QList<int> stages{0x48, 0x46, 0x02, 0x40, 0x46};
        const QStringList none;
        // Sensor 3325: 1600 DPI is step 16, sent as code 36 (0x24).
        QTest::addRow("dpi") << none << QStringList{"dpi", "2", "1600"} << "Profile 1:PROFILE/DPI_INFO_1_x=16" << 0
                             << stages << "stages 6 01 24 00 24 00";
        QTest::addRow("dpi off") << none << QStringList{"dpi", "6", "off"} << "Profile 1:PROFILE/DPI_INFO_5_used=0" << 0
                                 << stages << "stages 26 00";
        QTest::addRow("dpi active") << none << QStringList{"dpi", "active", "4"} << "Profile 1:PROFILE/dpi=3" << 0
                                    << settings << "settings 17 03";
        QTest::addRow("rate of slot 2") << none << QStringList{"rate", "125", "--slot", "2"}
                                        << "Profile 2:PROFILE/pollrate=8" << 0 << settings << "settings 12 08";
        QTest::addRow("scroll speed") << none << QStringList{"speed", "--scroll", "7"}
                                      << "Profile 1:PROFILE/scrollspeed=7;Profile 1:PROFILE/mousespeed=10" << 0
                                      << settings << "settings 0 07";
        // Effect 2 is device slot 2 (bytes 16..23) and effect code 3.
        QTest::addRow("lighting") << none << QStringList{"lighting", "breathing", "--colour", "00FF80", "--speed", "2"}
                                  << "Profile 1:PROFILE/LedMode=2" << 0
                                  << QList<int>{0x48, 0x46, 0x01, 0x04, 0x40, 0x46}
                                  << "lighting 16 80 00 ff 80 01 02 04 03";
        QTest::addRow("button") << none << QStringList{"button", "3", "chord:ctrl+shift+a"}
                                << "Profile 1:PROFILE/BUTTON_INFO_2_Fun=7" << 0
                                << QList<int>{0x48, 0x46, 0x03, 0x40, 0x46} << "buttons 10 8f 03 04 00";
        QTest::addRow("macro") << none << QStringList{"button", "2", "macro:Burst:while-held"}
                               << "Profile 1:PROFILE/BUTTON_INFO_1_KeyNumber=2" << 0
                               << QList<int>{0x48, 0x46, 0x03, 0x40, 0x05, 0x46} << "buttons 6 91 80 ff ff";
        // The switch, then the slot's tables whole: the mouse held another slot's.
        QTest::addRow("profile") << none << QStringList{"profile", "3"} << "Config:Config/ProfileID=2" << 0
                                 << QList<int>{0x48, 0x44, 0x40, 0x48, 0x46, 0x01, 0x03, 0x02, 0x04, 0x40, 0x46}
                                 << "active 2";
        QTest::addRow("reset") << QStringList{"rate", "250"} << QStringList{"reset"} << "Profile 1:PROFILE/pollrate=1"
                               << 0 << settings << "settings 11 01";
        QTest::addRow("reset all") << QStringList{"profile", "3"} << QStringList{"reset", "--all"}
                                   << "Config:Config/ProfileID=0" << 0 << settings << "settings 6 00";
        QTest::addRow("nothing differs") << none << QStringList{"rate", "1000"} << "" << 0 << QList<int>{} << "";
        const QString owed = "Profile 1:PROFILE/pollrate=2;Config:Config/Diff=1";
        QTest::addRow("no mouse") << QStringList{"unplug"} << QStringList{"rate", "500"} << owed << 1 << QList<int>{}
                                  << "";
        QTest::addRow("asleep") << QStringList{"sleep"} << QStringList{"rate", "500"} << owed << 5 << QList<int>{0x48}
                                << "";
        // Refused: one line, exit 64, nothing stored or sent.
        const QList<QStringList> refused{{"dpi", "2", "1650"},
                                         {"dpi", "3", "800", "--y", "400"},
                                         {"dpi", "2", "off"},
                                         {"dpi", "active", "7"},
                                         {"lighting", "rainbow", "--colour", "ff0000"},
                                         {"button", "1", "right"},
                                         {"button", "2", "macro:Nope"},
                                         {"speed", "--pointer", "0"}};
        for (const QStringList& args : refused)
            QTest::addRow("refused %s", qPrintable(args.join(' '))) << none << args << "" << 64 << QList<int>{} << "";
    }

    void changes()
    {
        QFETCH(QStringList, before);
        QFETCH(QStringList, args);
        TestDataHome home; // a fresh settings tree for each row
        QVERIFY(writeCurrentProductName("OSKEN R5"));
        home.writeFile("OSKEN R5/MacroDB/Burst.MSMACRO",
                       "[Setting]\nCount=2\nMap_0=132\nDataL_0=4\nMap_1=4\nDataL_1=4\n");
        QSettings(programConfigPath(), QSettings::IniFormat).setValue("MACRO_LIST/0", "Burst");
        VirtualReceiver receiver;
        if (before == QStringList{"unplug"})
            receiver.unplug();
        else if (before == QStringList{"sleep"})
            receiver.setAsleep(true);
        else if (!before.isEmpty())
            QCOMPARE(runHere(before, receiver), 0);
        receiver.clearReceivedFrames();

        QString err;
        QTEST(runHere(args, receiver, &err), "exitCode");
        QList<int> runs;
        for (const auto& frame : receiver.receivedFrames()) {
            if (runs.isEmpty() || runs.last() != frame[3])
                runs << frame[3];
        }
        QTEST(runs, "runs");
        QFETCH(int, exitCode);
        if (exitCode == CtlExit::Usage) {
            QCOMPARE(err.count('\n'), 1);
            QVERIFY(!QFile::exists(productConfigPath()));
        }
        QFETCH(QString, files);
        for (const QString& check : files.split(';', Qt::SkipEmptyParts)) {
            const QString file = check.section(':', 0, 0);
            const QString path = file == "Config" ? productConfigPath() : profileFilePath(file);
            QCOMPARE(QSettings(path, QSettings::IniFormat).value(check.section(':', 1).section('=', 0, 0)).toString(),
                     check.section('=', 1));
        }
        QFETCH(QString, memory);
        const QStringList words = memory.split(' ');
        const VirtualFirmware firmware = receiver.firmware();
        if (words[0] == "active") {
            QCOMPARE(firmware.activeProfile(), words[1].toInt());
        } else if (!memory.isEmpty()) {
            const QStringList tables{"settings", "stages", "buttons", "lighting"};
            const QByteArray table = firmware.table(VirtualFirmware::Table(tables.indexOf(words[0])));
            const QByteArray expected = QByteArray::fromHex(words.mid(2).join("").toLatin1());
            QCOMPARE(table.mid(words[1].toInt(), expected.size()).toHex(), expected.toHex());
        }
    }

    void jsonShapes_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("shape");
        QTest::addRow("show")
            << "show"
            << "active:b buttons[].button:s buttons[].function:s buttons[].menu:s dpiStages[].active:b "
               "dpiStages[].on:b dpiStages[].stage:n dpiStages[].x:n dpiStages[].y:n "
               "lighting.brightness:n lighting.colour:z lighting.effect:s lighting.name:s "
               "lighting.speed:n macros[]:s name:s pointerSpeed:n product:s rateHz:n scrollSpeed:n "
               "sensor:n slot:n";
        QTest::addRow("status") << "status"
                                << "battery:n charging:b dpiStage:z profile:z rateHz:z";
        QTest::addRow("list") << "list"
                              << "command:s opens:b pointer:s problem:z product:s usb:s";
    }

    void jsonShapes()
    {
        QFETCH(QString, command);
        TestDataHome home;
        QVERIFY(writeCurrentProductName("OSKEN R5"));
        VirtualReceiver receiver;
        // Wave (no colour) on a slot with a macro bound, so that every key has a value.
        QCOMPARE(runHere({"button", "2", "macro:Burst"}, receiver), 64); // no such macro yet: refused
        home.writeFile("OSKEN R5/MacroDB/Burst.MSMACRO", "[Setting]\nCount=0\n");
        QSettings(programConfigPath(), QSettings::IniFormat).setValue("MACRO_LIST/0", "Burst");
        QCOMPARE(runHere({"button", "2", "macro:Burst"}, receiver), 0);
        QString out;
        QCOMPARE(runHere({command, "--json"}, receiver, &out), 0);
        QCOMPARE(out.count('\n'), 1);
        QJsonParseError error;
        const QJsonDocument document = QJsonDocument::fromJson(out.toUtf8(), &error);
        QCOMPARE(error.error, QJsonParseError::NoError);
        QStringList keys = shape(document.object());
        keys.sort();
        QTEST(keys.join(' '), "shape");
    }

    void watchFollowsTheMouse()
    {
        TestDataHome home;
        VirtualReceiver stored;
        QCOMPARE(runHere({"rate", "1000"}, stored), 0); // the profile files exist, as after any change
        const QString socket = home.path() + "/mouse.sock";
        Ctl watch({"watch", "--json"}, {"OSKEN_VIRTUAL_MOUSE=1", "OSKEN_VIRTUAL_MOUSE_CONTROL=" + socket});
        QCOMPARE(watch.nextLine(), QString(R"({"event":"plugged"})"));
        QCOMPARE(watch.nextLine(), QString(R"({"charging":false,"event":"battery","percent":90})"));
        QLocalSocket control;
        control.connectToServer(socket);
        QVERIFY(control.waitForConnected(5000));
        // Stage 3 of the defaults is 1600 DPI; pressing it on the mouse is seen and stored.
        control.write("dpi 2\n");
        QVERIFY(control.waitForBytesWritten(5000));
        QCOMPARE(watch.nextLine(), QString(R"({"dpi":1600,"event":"dpi-stage","stage":3})"));
        watch.process.terminate();
        QVERIFY(watch.finish());
        QCOMPARE(watch.process.exitCode(), 0);
        QCOMPARE(QSettings(profileFilePath("Profile 1"), QSettings::IniFormat).value("PROFILE/dpi").toInt(), 2);
    }

    // Through the built tool: a usage error is 64, a file it cannot use 66; one line said, nothing printed.
    void refusals_data()
    {
        // "-" no file at all, "" no tag, "damaged" a slot record cut short, "fifo" a FIFO in the file's place
        QTest::addColumn<QString>("tag");
        QTest::addColumn<QStringList>("args"); // FILE stands for the file
        QTest::addColumn<int>("exitCode");
        const QStringList frames{"frames", "FILE"};
        QTest::addRow("bad value") << QString() << QStringList{"rate", "300"} << 64;
        QTest::addRow("missing file") << "-" << frames << 66;
        QTest::addRow("another product") << "Wireless Mouse" << frames << 66;
        QTest::addRow("no product tag") << QString() << frames << 66;
        QTest::addRow("apply a damaged file") << "damaged" << QStringList{"apply", "FILE"} << 66;
        QTest::addRow("a fifo does not block") << "fifo" << frames << 66;
    }
    void refusals()
    {
        QFETCH(QString, tag);
        QFETCH(QStringList, args);
        const QString path = m_home->path() + "/other.conf";
        QFile::remove(path);
        if (tag == "fifo") {
            m_home->makeSpecial("other.conf", TestDataHome::Special::Fifo);
        } else if (tag != "-") {
            QVERIFY(QFile::copy(m_conf, path));
            QSettings file(path, QSettings::IniFormat);
            if (tag.isEmpty())
                file.remove("MouseName/Name");
            else if (tag == "damaged")
                file.remove("PROFILE_1/scrollspeed");
            else
                file.setValue("MouseName/Name", tag);
        }
        args.replaceInStrings("FILE", path);
        const CtlRun run = runCtl(args, {"OSKEN_VIRTUAL_MOUSE=1"});
        QTEST(run.exitCode, "exitCode");
        QVERIFY(run.out.isEmpty());
        QCOMPARE(run.err.count(QLatin1Char('\n')), 1);
    }

    void framesOfAConfiguration()
    {
        const CtlRun run = runCtl({"frames", m_conf});
        QCOMPARE(run.exitCode, 0);
        const QStringList lines = run.lines();
        // session, settings 2, buttons 7, DPI 8, lighting 5, reloads 5, one macro slot 10 + close, session
        QCOMPARE(lines.size(), 40);
        QCOMPARE(lines[0], line("05 26 fa 46")); // (0xFA + 0x46) ^ 0x66
        // scroll x5, lift 0, profile 1, 01 x4, rate x5, 1F, stage 2, effect 2; (0xFA+0x01+0x13+0xD1)&0xFF ^ 0x66
        QCOMPARE(lines[1], line("05 b9 fa 01 00 00 13 d1 03 03 03 03 03 00 01 01 01 01 01 01 01 01 01 01 1f 02 02"));
        // Record 1 bound to the macro: entry 1 = 91 00 01 00 (slot 0, once)
        QCOMPARE(lines[4], line("05 8f fa 03 02 00 18 d2 00 00 00 00 91 00 01 00"));
        // Sensor 3325 from the installed defaults: 10 -> 22 range 0, 51 -> 59 range 1
        QCOMPARE(lines[11], line("05 b2 fa 02 01 00 05 d2 01 16 00 3b 01"));
        QCOMPARE(lines[23], line("05 57 fa 40 f3 04"));
        // Two key events, no delay: e0 e1 S, then the empty fourth place
        QCOMPARE(lines[28], line("05 82 fa 05 00 00 14 d1 01 1e 00 02 1e 00 06 01 00"));
        QCOMPARE(lines[38], line("05 87 fa 05 ff 0f 01 d3 1a"));
        QCOMPARE(lines[39], line("05 27 fa 46 01"));
        QVERIFY(run.err.isEmpty());
        // Which frames each section gives is the write-out order test's; the tool passes its options on.
        QCOMPARE(runCtl({"frames", m_conf, "--sections", "0x8"}).lines().size(), 12);
        QCOMPARE(runCtl({"frames", "--sensor", "0", "--sections", "2", m_conf}).lines().value(2),
                 line("05 b2 fa 02 01 00 05 d2 01 00 00 00 00"));
    }

    void applyAgreesWithFrames()
    {
        const CtlRun frames = runCtl({"frames", m_conf});
        QCOMPARE(frames.exitCode, 0);
        const QString log = m_home->path() + "/virtual.log";
        QFile::remove(log);
        const CtlRun apply = runCtl({"apply", m_conf}, {"OSKEN_VIRTUAL_MOUSE=1", "OSKEN_VIRTUAL_MOUSE_LOG=" + log});
        QCOMPARE(apply.exitCode, 0);
        QFile file(log);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QStringList logged = QString::fromLatin1(file.readAll()).split('\n', Qt::SkipEmptyParts);
        // The battery query that rules out a sleeping mouse, then exactly the listed frames.
        QCOMPARE(logged.value(0), line("05 24 fa 48"));
        QCOMPARE(logged.mid(1), frames.lines());
        QCOMPARE(readDiff(), 1);
    }

    void statusAndListOfTheVirtualMouse()
    {
        const CtlRun status = runCtl({"status"}, {"OSKEN_VIRTUAL_MOUSE=1"});
        QCOMPARE(status.exitCode, 0);
        // Reading 0x03E8: 1000 * 990 / 240 = 4125 mV -> 90 %
        QCOMPARE(status.out, QString("battery: 90%\ncharging: no\nstatus: none seen\n"));
        const CtlRun list = runCtl({"list"}, {"OSKEN_VIRTUAL_MOUSE=1"});
        QCOMPARE(list.exitCode, 0);
        QCOMPARE(list.lines().size(), 1);
        const QStringList fields = list.lines().first().split('\t');
        QCOMPARE(fields.size(), 5);
        QCOMPARE(fields[0], QString("OSKEN R5"));
        QCOMPARE(fields[1], QString("248a:fa02"));
        QVERIFY(fields[2] != "-" && fields[3] != "-");
        QCOMPARE(fields[4], QString("ok"));
    }

    void statusOfAMouseThatCannotAnswer_data()
    {
        QTest::addColumn<QString>("mouse");
        QTest::addColumn<int>("exitCode");
        QTest::addRow("unplugged") << "unplug" << int(CtlExit::NoDevice);
        QTest::addRow("asleep") << "sleep" << int(CtlExit::Asleep);
        QTest::addRow("no battery reply") << "mute" << int(CtlExit::GaveUp);
    }

    void statusOfAMouseThatCannotAnswer()
    {
        QFETCH(QString, mouse);
        VirtualReceiver receiver;
        if (mouse == "unplug")
            receiver.unplug();
        else if (mouse == "sleep")
            receiver.setAsleep(true);
        else
            receiver.injectFault(VirtualFault::Timeout, 1, 0x48);
        QString printed;
        QTEST(runHere({"status"}, receiver, &printed), "exitCode");
        QCOMPARE(printed.count('\n'), 1); // one message, no values
    }

    // A receiver that is listed but cannot be opened is shown with the reason and the fix, not as usable.
    void listSaysWhyANodeCannotBeOpened()
    {
        auto backend = std::make_unique<ScriptedHidBackend>();
        HidDeviceInfo pointer;
        pointer.vendorId = 0x248A;
        pointer.productId = 0xFA02;
        pointer.usagePage = 1;
        pointer.usage = 2;
        pointer.path = m_home->path().toUtf8() + "/gone-hidraw";
        HidDeviceInfo command = pointer;
        command.usage = 0;
        backend->setDevices({pointer, command});
        backend->failOpen(pointer.path);
        QString out;
        QString err;
        QTextStream outStream(&out);
        QTextStream errStream(&err);
        CtlRequest request;
        request.command = CtlCommand::List;
        QCOMPARE(runList(request, std::move(backend), outStream, errStream), 0);
        outStream.flush();
        QCOMPARE(out.trimmed().section('\t', 4), "cannot open " + pointer.path +
                                                     ": The receiver went away while it was being opened. Unplug the "
                                                     "receiver and plug it in again.");
    }

    void defaultsCanBeApplied()
    {
        const QString prof = m_home->path() + "/factory.prof";
        QFile::remove(prof);
        QVERIFY(QFile::copy(m_conf, prof)); // stale keys of an older file must not survive
        const CtlRun run = runCtl({"defaults", "--product", "7138", prof});
        QCOMPARE(run.exitCode, 0);
        QSettings file(prof, QSettings::IniFormat);
        QCOMPARE(file.value("MouseName/Name").toString(), QString("7138"));
        QVERIFY(file.contains("PROFILE/pollrate"));
        QVERIFY(!file.contains("PROFILE_0/pollrate"));
        QCOMPARE(runCtl({"frames", "--product", "7138", prof}).exitCode, 0);
    }

    // Asleep: the battery query alone; a failed write: query, session, settings 2, buttons 7, and nothing after
    // the DPI frame that never arrived.
    void applyFailures_data()
    {
        QTest::addColumn<bool>("bAsleep");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<int>("frames");
        QTest::addColumn<int>("lastCommand");
        QTest::addRow("asleep") << true << 5 << 1 << 0x48;
        QTest::addRow("write error") << false << 4 << 11 << 0x03;
    }
    void applyFailures()
    {
        QFETCH(bool, bAsleep);
        VirtualReceiver receiver;
        if (bAsleep)
            receiver.setAsleep(true);
        else
            receiver.injectFault(VirtualFault::WriteError, 1, 0x02);
        QString errText;
        QTextStream err(&errText);
        QTEST(runApply(PendingSettingsFile(m_conf, chosenProduct(std::nullopt)),
                       std::make_unique<BorrowedBackend>(receiver), err),
              "exitCode");
        const auto received = receiver.receivedFrames();
        QTEST(int(received.size()), "frames");
        QTEST(int(received.back()[3]), "lastCommand");
        if (!bAsleep)
            QCOMPARE(readDiff(), 1);
    }

private:
    QString m_conf;
    std::unique_ptr<TestDataHome> m_home;
};

int main(int argc, char** argv)
{
    return runTestClasses<QCoreApplication, CtlArgumentsTest, CtlToolTest>(argc, argv);
}

#include "tst_ctl_tool.moc"
