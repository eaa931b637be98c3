#include "look/LookSettings.h"
#include "app/shell/MousecfgWidget.h"
#include "platform/SingleInstance.h"
#include "store/AppSettings.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char* argv[])
{
    // Every window is painted by the raster engine: an OpenGL driver would only cost start-up time and memory.
    if (!qEnvironmentVariableIsSet("QT_XCB_GL_INTEGRATION"))
        qputenv("QT_XCB_GL_INTEGRATION", "none");
    QApplication application(argc, argv);
    // Set after the application exists, in the order the program has always used.
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling, true);
    // A closed main window keeps the program running in the tray.
    application.setQuitOnLastWindowClosed(false);

    const std::unique_ptr<platform::SingleInstance> instance = platform::makeSingleInstance();
    if (!instance->acquire())
        return 1;

    mergeDefaultProgramConfig();
    MousecfgWidget window(makeSystemServices());
    if (window.connectedMouseCount() != 0) {
        window.setWindowOpacity(1.0);
        window.show();
    }
    window.setWindowIcon(QIcon(look::skinPath(QStringLiteral("/skin/icon.ico"))));
    window.setWindowTitle(QStringLiteral("OSKEN R5 Config"));
    return application.exec();
}
