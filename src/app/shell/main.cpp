#include "app/shell/CtlRequests.h"
#include "app/shell/MousecfgWidget.h"
#include "app/shell/StartOptions.h"
#include "log/Log.h"
#include "look/LookSettings.h"
#include "platform/InstanceChannel.h"
#include "platform/SingleInstance.h"
#include "store/AppSettings.h"

#include <QApplication>
#include <QIcon>
#include <QTextStream>

namespace {

// --help and --version need no window system: they are answered before the GUI application object exists.
bool wantsInfoOnly(int argc, char* argv[])
{
    for (int i = 1; i < argc; ++i) {
        const QByteArray argument(argv[i]);
        if (argument == "--help" || argument == "-h" || argument == "--version")
            return true;
    }
    return false;
}

// Prints what the options ask for or what is wrong with them; the exit code.
int answerOptions(const StartOptions& options)
{
    if (!options.error.isEmpty()) {
        QTextStream(stderr) << "osken-config: " << options.error << "\nTry 'osken-config --help'.\n";
        return 2;
    }
    QTextStream(stdout) << (options.bHelp ? startHelpText() : startVersionText());
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    if (wantsInfoOnly(argc, argv)) {
        const QCoreApplication core(argc, argv);
        return answerOptions(parseStartOptions(QCoreApplication::arguments()));
    }

    // Every window is painted by the raster engine: an OpenGL driver would only cost start-up time and memory.
    if (!qEnvironmentVariableIsSet("QT_XCB_GL_INTEGRATION"))
        qputenv("QT_XCB_GL_INTEGRATION", "none");
    // Qt's own high-DPI scaling stays off: the window scales itself from the screen's DPI (look/DisplayScale).
    QApplication application(argc, argv);
    // The toolkit has taken its own options (-platform, -style, ...) out of the list by now.
    const StartOptions options = parseStartOptions(application.arguments());
    if (!options.error.isEmpty())
        return answerOptions(options);
    if (options.bVerbose)
        osken::enableVerboseLog();
    // Wayland takes the window's icon from the menu entry of this name.
    QGuiApplication::setDesktopFileName(QStringLiteral("osken-config"));
    // A closed main window keeps the program running in the tray.
    application.setQuitOnLastWindowClosed(false);

    const std::unique_ptr<platform::SingleInstance> instance = platform::makeSingleInstance();
    if (!instance->acquire()) {
        // The running copy shows its window instead; this one still reports that it did not start.
        if (!platform::askRunningInstance(platform::instanceServerName(), QStringLiteral("activate")))
            qCWarning(lcApp, "Another copy holds the lock but did not answer.");
        return 1;
    }
    platform::InstanceServer instanceServer;
    // Listening before the window exists: the on-screen display watches this socket from its first start.
    (void)instanceServer.listen(platform::instanceServerName());

    if (!mergeDefaultProgramConfig())
        qCWarning(lcApp, "The default settings could not be merged into the program-wide settings file.");
    MousecfgWidget window(makeSystemServices());
    QObject::connect(&window, &MousecfgWidget::quitRequested, &application, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    instanceServer.registerRequest(QStringLiteral("activate"), [&window](const QString&) {
        window.activateFromAnotherStart();
        return platform::InstanceAnswer::ok();
    });
    // While the window runs, osken-ctl's changes and watch go through it.
    CtlRequests ctlRequests(window, instanceServer);
    window.setStartHidden(options.bHidden);
    if (window.connectedMouseCount() != 0 && !options.bHidden) {
        window.setWindowOpacity(1.0);
        window.show();
    }
    window.setWindowIcon(QIcon(look::skinPath(QStringLiteral("/skin/icon.ico"))));
    window.setWindowTitle(QStringLiteral("OSKEN R5 Config"));
    return application.exec();
}
