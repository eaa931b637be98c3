#include "platform/linux/DesktopPointerSpeed.h"
#include "platform/linux/PointerSpeedScale.h"

#include <QRegularExpression>
#include <QTest>

#include <cmath>
#include <map>

using platform::DesktopPointerSpeed;
using platform::PointerSpeedBackend;

namespace {

// Answers commands from a table; records every call as "program arg arg ...".
struct FakeDesktop
{
    std::map<QString, QByteArray> answers; // command line -> standard output; missing = the command fails
    QStringList calls;

    platform::CommandRunner runner()
    {
        return [this](const QString& program, const QStringList& arguments, QByteArray* output) {
            const QString line = (QStringList{program} + arguments).join(' ');
            calls.append(line);
            const auto found = answers.find(line);
            if (found == answers.end())
                return false;
            if (output)
                *output = found->second;
            return true;
        };
    }
    QStringList writes() const { return calls.filter(QRegularExpression(" set(-prop)? ")); }
};

QProcessEnvironment environment(std::initializer_list<std::pair<QString, QString>> values)
{
    QProcessEnvironment env;
    for (const auto& value : values)
        env.insert(value.first, value.second);
    return env;
}

const QString kGnomeGet = "gsettings get org.gnome.desktop.peripherals.mouse speed";
const QString kGnomeSet = "gsettings set org.gnome.desktop.peripherals.mouse speed ";

} // namespace

class PointerSpeedTest : public QObject
{
    Q_OBJECT

private slots:
    void everySpeedSurvivesTheRoundTrip()
    {
        for (int speed = 1; speed <= 20; ++speed) {
            const double accel = platform::accelFromSpeed(speed);
            QVERIFY2(accel >= -1.0 && accel <= 1.0, qPrintable(QString::number(speed)));
            // The desktop shows only a few decimals: the value read back must still name the same speed.
            QCOMPARE(platform::speedFromAccel(QString::number(accel, 'f', 4).toDouble()), speed);
        }
        // Desktop values outside the range, or between two speeds.
        QCOMPARE(platform::speedFromAccel(-3.0), 1);
        QCOMPARE(platform::speedFromAccel(1.5), 20);
        QCOMPARE(platform::speedFromAccel(double(NAN)), 10);
        QCOMPARE(platform::speedFromAccel(0.26), 13);
    }

    void gnome()
    {
        FakeDesktop desktop;
        desktop.answers[kGnomeGet] = "-0.5\n";
        desktop.answers[kGnomeSet + "0.5000"] = "";
        desktop.answers[kGnomeSet + "-0.6667"] = "";
        DesktopPointerSpeed speed(environment({{"XDG_CURRENT_DESKTOP", "ubuntu:GNOME"}, {"DISPLAY", ":0"}}),
                                  desktop.runner());

        QCOMPARE(speed.backend(), PointerSpeedBackend::Gnome);
        QCOMPARE(speed.currentSpeed(7), 6); // -0.5 lies half-way between 1 and 10
        QVERIFY(speed.applySpeed(15));
        QVERIFY(speed.applySpeed(4));
        QCOMPARE(desktop.writes(), QStringList({kGnomeSet + "0.5000", kGnomeSet + "-0.6667"}));
        QVERIFY(!desktop.calls.join('\n').contains("xinput"));
    }

    void xinputSetsEveryPointer()
    {
        FakeDesktop desktop;
        desktop.answers["xinput list --id-only"] = "2\n3\n9\n11\n";
        desktop.answers["xinput list-props 2"] = "Device 'Virtual core pointer':\n\tDevice Enabled (115):\t1\n";
        desktop.answers["xinput list-props 3"] = "Device 'Virtual core keyboard':\n";
        desktop.answers["xinput list-props 9"] = "Device 'Receiver':\n"
                                                 "\tlibinput Accel Speed (288):\t0.250000\n"
                                                 "\tlibinput Accel Speed Default (289):\t0.000000\n";
        desktop.answers["xinput list-props 11"] = "\tlibinput Accel Speed Default (289):\t0.000000\n"
                                                  "\tlibinput Accel Speed (288):\t-1.000000\n";
        desktop.answers["xinput set-prop 9 libinput Accel Speed -1.0000"] = "";
        desktop.answers["xinput set-prop 11 libinput Accel Speed -1.0000"] = "";
        // GNOME is not the desktop, so its setting is not used even though gsettings answers.
        desktop.answers[kGnomeGet] = "0.0";
        DesktopPointerSpeed speed(environment({{"XDG_CURRENT_DESKTOP", "XFCE"}, {"DISPLAY", ":0"}}), desktop.runner());

        QCOMPARE(speed.backend(), PointerSpeedBackend::Xinput);
        QCOMPARE(speed.currentSpeed(5), 13); // the first pointer with the setting: 0.25
        QVERIFY(speed.applySpeed(1));
        QCOMPARE(desktop.writes(), QStringList({"xinput set-prop 9 libinput Accel Speed -1.0000",
                                                "xinput set-prop 11 libinput Accel Speed -1.0000"}));
    }

    void storedOnlyRemembersWithoutFailing()
    {
        FakeDesktop desktop; // every command fails, as when neither program is installed
        DesktopPointerSpeed speed(environment({{"XDG_CURRENT_DESKTOP", "GNOME"}, {"DISPLAY", ":0"}}), desktop.runner());
        QCOMPARE(speed.backend(), PointerSpeedBackend::StoredOnly);
        QCOMPARE(speed.currentSpeed(7), 7); // the profile keeps its own value rather than 0
        QVERIFY(!speed.applySpeed(12));
        QCOMPARE(speed.currentSpeed(7), 12);

        FakeDesktop wayland;
        wayland.answers["xinput list --id-only"] = "9\n";
        wayland.answers["xinput list-props 9"] = "\tlibinput Accel Speed (288):\t0.0\n";
        DesktopPointerSpeed onWayland(
            environment({{"XDG_CURRENT_DESKTOP", "KDE"}, {"DISPLAY", ":0"}, {"XDG_SESSION_TYPE", "wayland"}}),
            wayland.runner());
        QCOMPARE(onWayland.backend(), PointerSpeedBackend::StoredOnly);
        QVERIFY(wayland.calls.isEmpty());
    }

    void desktopThatStopsAnsweringFallsBack()
    {
        FakeDesktop desktop;
        desktop.answers[kGnomeGet] = "0.0";
        DesktopPointerSpeed speed(environment({{"XDG_CURRENT_DESKTOP", "GNOME"}}), desktop.runner());
        QCOMPARE(speed.backend(), PointerSpeedBackend::Gnome);
        QVERIFY(!speed.applySpeed(0));
        QVERIFY(!speed.applySpeed(21));
        QVERIFY(desktop.writes().isEmpty());
        desktop.answers.clear();
        QVERIFY(!speed.applySpeed(8)); // refused: a debug line, no failure
        QCOMPARE(speed.currentSpeed(3), 8);
    }

    void processRunnerReportsExitAndOutput()
    {
        const platform::CommandRunner run = platform::processRunner();
        QByteArray output;
        QVERIFY(run("sh", {"-c", "echo -0.25"}, &output));
        QCOMPARE(output, QByteArray("-0.25\n"));
        QVERIFY(!run("sh", {"-c", "echo 0.5; exit 1"}, &output)); // a refusal is not a value
        QVERIFY(!run("osken-no-such-program", {}, &output));
    }
};

QTEST_GUILESS_MAIN(PointerSpeedTest)
#include "tst_pointer_speed.moc"
