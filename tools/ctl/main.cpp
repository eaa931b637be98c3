#include "CtlArguments.h"
#include "CtlChannel.h"
#include "CtlHelp.h"
#include "EditCommands.h"
#include "LinkCommands.h"
#include "MouseWatcher.h"
#include "OfflineCommands.h"
#include "SettingsSource.h"
#include "ShowCommands.h"
#include "hid/sim/VirtualReceiver.h"
#include "platform/SingleInstance.h"
#include "platform/virtual/VirtualDeviceNotifier.h"
#include "platform/virtual/VirtualMouseControl.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLocalSocket>
#include <QLoggingCategory>
#include <QTextStream>
#include <QTimer>

#include <atomic>
#include <csignal>

namespace {

std::atomic<bool> g_bInterrupted{false};

void onInterrupt(int)
{
    g_bInterrupted.store(true);
}

// Where the running window listens. Without XDG_RUNTIME_DIR the toolkit warns on stderr while it picks the
// same folder the window picks; the tool's stderr carries its own messages only.
QString windowServerName()
{
    const QtMessageHandler previous =
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    const QString name = platform::instanceServerName();
    qInstallMessageHandler(previous);
    return name;
}

// Runs the event loop until SIGINT or SIGTERM, or until something quits it.
void runUntilInterrupted(QCoreApplication& app)
{
    std::signal(SIGINT, onInterrupt);
    std::signal(SIGTERM, onInterrupt);
    QTimer interrupted;
    QObject::connect(&interrupted, &QTimer::timeout, &app, [&app] {
        if (g_bInterrupted.load())
            app.quit();
    });
    interrupted.start(100);
    app.exec();
}

// The running window's events, for as long as it runs; false when no window took the request or it ended.
bool watchThroughWindow(const CtlRequest& request, QCoreApplication& app, QTextStream& out)
{
    QLocalSocket socket;
    if (!ctlchannel::connectToWindow(socket, windowServerName()) ||
        !ctlchannel::startWatchInWindow(socket, request.json))
        return false;
    const auto printLines = [&socket, &out] {
        while (socket.canReadLine())
            out << QString::fromUtf8(socket.readLine());
        out.flush();
    };
    QObject::connect(&socket, &QLocalSocket::readyRead, &app, printLines);
    QObject::connect(&socket, &QLocalSocket::disconnected, &app, &QCoreApplication::quit, Qt::QueuedConnection);
    printLines();
    runUntilInterrupted(app);
    return g_bInterrupted.load();
}

// Runs until SIGINT or SIGTERM; the end of watching is no failure. While the window runs it owns the receiver
// and watch hears through it; once it ends, watch opens the receiver itself.
int runWatch(const CtlRequest& request, QCoreApplication& app, QTextStream& out, QTextStream& err)
{
    if (watchThroughWindow(request, app, out))
        return CtlExit::Done;
    if (!prepareSettings()) {
        err << "osken-ctl: the program-wide settings could not be stored\n";
        return CtlExit::CantCreate;
    }
    std::unique_ptr<HidBackend> backend = makeDefaultBackend();
    auto* receiver = dynamic_cast<VirtualReceiver*>(backend.get());
    std::unique_ptr<platform::DeviceNotifier> notifier =
        receiver ? platform::makeVirtualDeviceNotifier(*receiver) : platform::makeDeviceNotifier();
    const std::unique_ptr<VirtualMouseControl> control = virtualMouseControlFromEnvironment(receiver);
    MouseWatcher watcher(std::move(backend), std::move(notifier), request.json, out);
    watcher.start();
    runUntilInterrupted(app);
    return CtlExit::Done;
}

// Whether the command goes to the running window when one runs: what talks to the mouse runs there.
bool runsInWindow(const CtlRequest& request)
{
    return request.changes() || request.command == CtlCommand::Status || request.command == CtlCommand::Apply;
}

// The arguments to hand to the window, or nothing for apply's file that cannot be read (with its message). The
// window reads apply's file again, by its full path.
std::optional<QStringList> windowArguments(const CtlRequest& request, const QStringList& arguments,
                                           const PendingSettingsFile* applyFile, QTextStream& err)
{
    if (!applyFile)
        return arguments;
    if (const PendingSettingsFile::Loaded& loaded = applyFile->get(); loaded.exit != CtlExit::Done) {
        err << "osken-ctl: " << loaded.error << "\n";
        return std::nullopt;
    }
    return QStringList{arguments.first(), QFileInfo(request.file).absoluteFilePath()};
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    // The libraries' debug lines are for the program's log; here they show only when asked for.
    if (qgetenv("OSKEN_CTL_DEBUG") != "1")
        QLoggingCategory::setFilterRules(QStringLiteral("*.debug=false"));

    CtlRequest request;
    QString error;
    if (!parseCtlArguments(app.arguments().mid(1), request, error)) {
        err << "osken-ctl: " << error << "\n";
        return CtlExit::Usage;
    }
    std::optional<PendingSettingsFile> applyFile;
    if (request.command == CtlCommand::Apply)
        applyFile.emplace(request.file, chosenProduct(std::nullopt));
    const std::unique_ptr<platform::PointerSpeed> pointerSpeed = platform::makePointerSpeed();
    CtlServices services{makeDefaultBackend, pointerSpeed.get()};
    // The running window owns the receiver: what talks to the mouse runs there, on its settings.
    if (QLocalSocket window; runsInWindow(request) && ctlchannel::connectToWindow(window, windowServerName())) {
        const std::optional<QStringList> forwarded =
            windowArguments(request, app.arguments().mid(1), applyFile ? &*applyFile : nullptr, err);
        if (!forwarded)
            return CtlExit::NoInput;
        if (const std::optional<int> code = ctlchannel::runInWindow(window, *forwarded, out, err))
            return *code;
    }
    if (request.changes())
        return runChange(request, services, err);
    switch (request.command) {
    case CtlCommand::Help:
        out << ctlUsage();
        return CtlExit::Done;
    case CtlCommand::Version:
        out << ctlVersion();
        return CtlExit::Done;
    case CtlCommand::Frames:
        return runFrames(request, out, err);
    case CtlCommand::Defaults:
        return runDefaults(request, err);
    case CtlCommand::Apply:
        return runApply(*applyFile, makeDefaultBackend(), err);
    case CtlCommand::Status:
        return runStatus(request, makeDefaultBackend(), out, err);
    case CtlCommand::List:
        return runList(request, makeDefaultBackend(), out, err);
    case CtlCommand::Show:
        return runShow(request, out, err);
    case CtlCommand::Functions:
        return runFunctions(out);
    case CtlCommand::Effects:
        return runEffects(out);
    case CtlCommand::Watch:
        return runWatch(request, app, out, err);
    default:
        break;
    }
    return CtlExit::Usage;
}
