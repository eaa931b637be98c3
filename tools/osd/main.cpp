#include "OsdBox.h"
#include "OsdServer.h"
#include "WindowMessages.h"

#include "log/Log.h"
#include "platform/OsdLink.h"
#include "platform/SingleInstance.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QLocalSocket>
#include <QTextStream>

namespace {

const char* const kDescription = "The on-screen display of osken-config: shows the short texts the configuration "
                                 "program sends when the mouse changes profile, DPI stage or report rate. "
                                 "osken-config starts it when needed.";

// --help and --version are answered before any window system is needed (the man page is made from them).
bool answersInfoOnly(int argc, char* argv[], int& iExit)
{
    const QStringList arguments = [&] {
        QStringList list;
        for (int i = 0; i < argc; ++i)
            list << QString::fromLocal8Bit(argv[i]);
        return list;
    }();
    if (!arguments.contains(QStringLiteral("--help")) && !arguments.contains(QStringLiteral("-h")) &&
        !arguments.contains(QStringLiteral("--version")))
        return false;
    QTextStream out(stdout);
    if (arguments.contains(QStringLiteral("--version"))) {
        out << "osken-osd " OSKEN_VERSION "\n";
    } else {
        out << "Usage: osken-osd [options]\n"
            << kDescription << "\n\nOptions:\n"
            << "  --owner <name>  End when the program listening on the local socket <name> ends.\n"
            << "  -h, --help      Show this help and exit.\n"
            << "  --version       Show the version and exit.\n";
    }
    iExit = 0;
    return true;
}

} // namespace

int main(int argc, char* argv[])
{
    int iExit = 0;
    if (answersInfoOnly(argc, argv, iExit))
        return iExit;

    QApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    QCommandLineParser parser;
    const QCommandLineOption owner(QStringLiteral("owner"), QString(), QStringLiteral("name"));
    parser.addOption(owner);
    if (!parser.parse(app.arguments())) {
        QTextStream(stderr) << "osken-osd: " << parser.errorText() << "\n";
        return 2;
    }

    // A second copy, started while this one is coming up, leaves quietly.
    const std::unique_ptr<platform::SingleInstance> instance =
        platform::makeSingleInstance(platform::osdInstanceName());
    if (!instance->acquire())
        return 0;

    // The display lives as long as the program that started it: that program's instance socket closes when it
    // ends, however it ends.
    QLocalSocket ownerLink;
    if (parser.isSet(owner)) {
        QObject::connect(&ownerLink, &QLocalSocket::disconnected, &app, &QCoreApplication::quit);
        ownerLink.connectToServer(parser.value(owner));
        if (!ownerLink.waitForConnected(2000))
            return 0;
    }

    OsdBox box;
    OsdServer server;
    QObject::connect(&server, &OsdServer::messageReceived, &box, &OsdBox::showMessage);
    // The window exists from the start, hidden, so the main program can find it by its title.
    receiveWindowMessages(box.winId(), [&box](const platform::OsdMessage& message) { box.showMessage(message); });
    if (!server.listen(platform::osdServerName())) {
        qCWarning(lcApp) << "OSD cannot listen under" << platform::osdServerName();
        return 1;
    }
    return app.exec();
}
