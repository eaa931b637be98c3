#include "editors/core/SettingsState.h"
#include "editors/ui/DefaultColorArea.h"
#include "editors/ui/OrnColorWindow.h"
#include "editors/ui/OrnDPIWindow.h"
#include "editors/ui/OrnPointSpeed.h"
#include "editors/ui/OrnReportRate.h"
#include "look/DisplayScale.h"
#include "look/Language.h"
#include "store/AppSettings.h"

#include "DemoSession.h"

#include <QApplication>
#include <QMouseEvent>
#include <QScreen>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>

namespace {

// A record like a fresh "OSKEN R5" profile, with two stages set apart so both bar kinds show.
ProfileData sampleRecord()
{
    ProfileData profile;
    profile.pollrate = 2;
    profile.dpi = 2;
    profile.LedMode = 1;
    profile.mousespeed = 10;
    profile.scrollspeed = 3;
    const quint32 raw[kDpiStageCount] = {8, 12, 16, 24, 50, 75};
    for (int i = 0; i < kDpiStageCount; ++i) {
        DpiInfo& stage = profile.stages[static_cast<size_t>(i)];
        stage.used = i == 5 ? 0 : 1;
        stage.link = 1;
        stage.x = stage.y = stage.xy = raw[i];
    }
    profile.stages[1].link = 0;
    profile.stages[1].y = 30;
    profile.stages[3].link = 0;
    profile.stages[3].x = 40;
    profile.stages[3].y = 20;
    for (LedModeInfo& entry : profile.modes) {
        entry.RGB = RgbColor::fromRgb(255, 0, 0);
        entry.bright = 3;
        entry.breath = 3;
    }
    profile.modes[1].RGB = RgbColor::fromRgb(0, 160, 255);
    return profile;
}

void pressOn(QWidget* widget)
{
    const QPoint centre = widget->rect().center();
    QMouseEvent press(QEvent::MouseButtonPress, centre, widget->mapToGlobal(centre), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
}

int usage()
{
    QTextStream(stderr) << "usage: osken-editors-demo dpi|lighting|dialog [--sensor id] [--quit-after ms]\n"
                           "  OSKEN_SCALE sets the display scale, OSKEN_LANG the language id (0, 1, 2)\n";
    return 2;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const DemoSession session;
    if (!session.isValid())
        return 1;

    const QStringList args = app.arguments();
    if (args.size() < 2)
        return usage();
    const QString mode = args.at(1);
    if (mode != QLatin1String("dpi") && mode != QLatin1String("lighting") && mode != QLatin1String("dialog"))
        return usage();

    auto s = [](int iPixels) { return look::scaled(iPixels); };
    QWidget frame;
    frame.setWindowTitle(QStringLiteral("osken-editors-demo"));
    frame.setStyleSheet(QStringLiteral("QWidget#frame { background-color: rgb(24,26,26); }"));
    frame.setObjectName(QStringLiteral("frame"));
    frame.setFixedSize(look::scaledWindowSize(look::displayScale()));

    ProfileData profile = sampleRecord();
    OrnColorWindow* colorWindow = nullptr;
    if (mode == QLatin1String("dpi")) {
        auto* dpi = new OrnDPIWindow(&frame, &profile);
        const int iSensorArg = args.indexOf(QStringLiteral("--sensor"));
        const int iSensor =
            iSensorArg > 0 && iSensorArg + 1 < args.size() ? args.at(iSensorArg + 1).toInt() : readSensorModel();
        dpi->setProfile(&profile, iSensor);
        // Where the main window's DPI tab puts them (its panel area starts at 414, 100).
        dpi->move(s(414), s(100));
        auto* rate = new OrnReportRate(&frame, &profile);
        rate->move(s(414), s(100 + 352));
        auto* pointer = new OrnPointSpeed(&frame, &profile);
        pointer->move(s(414 + 186), s(100 + 352));
    } else {
        colorWindow = new OrnColorWindow(&frame, &profile);
        colorWindow->move(s(414), s(100));
    }
    frame.move(0, 0);
    frame.show();

    if (colorWindow && mode == QLatin1String("dialog")) {
        // The dialog runs modally from the preview click, as in the program.
        QTimer::singleShot(200, colorWindow, [colorWindow]() { pressOn(colorWindow->colorPreview()); });
    }
    const int iQuit = args.indexOf(QStringLiteral("--quit-after"));
    if (iQuit > 0 && iQuit + 1 < args.size()) {
        QTimer::singleShot(args.at(iQuit + 1).toInt(), &app, []() {
            for (QWidget* widget : QApplication::topLevelWidgets())
                widget->close();
            QApplication::exit(0);
        });
    }
    return app.exec();
}
