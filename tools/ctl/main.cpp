#include "CtlArguments.h"
#include "LinkCommands.h"
#include "OfflineCommands.h"

#include <QCoreApplication>
#include <QLoggingCategory>
#include <QTextStream>

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
    switch (request.command) {
    case CtlCommand::Help:
        out << ctlUsage();
        return CtlExit::Done;
    case CtlCommand::Frames:
        return runFrames(request, out, err);
    case CtlCommand::Defaults:
        return runDefaults(request, err);
    case CtlCommand::Apply:
        return runApply(request, makeDefaultBackend(), err);
    case CtlCommand::Status:
        return runStatus(makeDefaultBackend(), out, err);
    case CtlCommand::List:
        return runList(makeDefaultBackend(), out, err);
    }
    return CtlExit::Usage;
}
