#include "CtlChannel.h"

#include "CtlArguments.h"
#include "store/DataPaths.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocalSocket>

namespace ctlchannel {

namespace {

constexpr int kConnectMs = 1000;
// A write-out with macros takes seconds; a window that holds longer is stuck.
constexpr int kAnswerMs = 120000;

QString compact(const QJsonObject& object)
{
    return QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact));
}

// The request's object when it is one and names this data folder.
std::optional<QJsonObject> requestObject(const QString& argument, QString& refusal)
{
    const QJsonDocument document = QJsonDocument::fromJson(argument.toUtf8());
    if (!document.isObject()) {
        refusal = QStringLiteral("malformed request");
        return std::nullopt;
    }
    const QJsonObject object = document.object();
    if (object.value(QLatin1String("data")).toString() != dataDirectory()) {
        refusal = kOtherDataFolder;
        return std::nullopt;
    }
    return object;
}

void appendLines(QStringList& lines, const QString& prefix, const QString& text)
{
    for (const QString& line : text.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        lines << prefix + line;
}

} // namespace

QString commandRequest(const QStringList& arguments)
{
    return kCommandKind + QLatin1Char(' ') +
           compact({{"args", QJsonArray::fromStringList(arguments)}, {"data", dataDirectory()}});
}

QString watchRequest(bool bJson)
{
    return kWatchKind + QLatin1Char(' ') + compact({{"json", bJson}, {"data", dataDirectory()}});
}

std::optional<QStringList> commandArguments(const QString& argument, QString& refusal)
{
    const std::optional<QJsonObject> object = requestObject(argument, refusal);
    if (!object)
        return std::nullopt;
    const QJsonArray array = object->value(QLatin1String("args")).toArray();
    if (array.isEmpty() || array.size() > kMaxArguments) {
        refusal = QStringLiteral("malformed request");
        return std::nullopt;
    }
    QStringList arguments;
    for (const QJsonValue& value : array) {
        if (!value.isString()) {
            refusal = QStringLiteral("malformed request");
            return std::nullopt;
        }
        arguments << value.toString();
    }
    return arguments;
}

std::optional<bool> watchJson(const QString& argument, QString& refusal)
{
    const std::optional<QJsonObject> object = requestObject(argument, refusal);
    if (!object)
        return std::nullopt;
    return object->value(QLatin1String("json")).toBool();
}

platform::InstanceAnswer commandAnswer(const QString& out, const QString& err, int iExitCode)
{
    QStringList lines;
    appendLines(lines, QStringLiteral("out "), out);
    appendLines(lines, QStringLiteral("err "), err);
    lines << QStringLiteral("exit %1").arg(iExitCode);
    return platform::InstanceAnswer::ok(lines);
}

bool connectToWindow(QLocalSocket& socket, const QString& serverName)
{
    socket.connectToServer(serverName);
    return socket.waitForConnected(kConnectMs);
}

std::optional<int> runInWindow(QLocalSocket& socket, const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    socket.write(commandRequest(arguments).toUtf8() + '\n');
    std::optional<int> exitCode;
    for (;;) {
        while (!socket.canReadLine()) {
            if (!socket.waitForReadyRead(kAnswerMs)) {
                err << "osken-ctl: the running osken-config did not finish the command\n";
                return CtlExit::GaveUp;
            }
        }
        const QString line = QString::fromUtf8(socket.readLine()).chopped(1);
        if (line.startsWith(QLatin1String("out ")))
            out << line.mid(4) << '\n';
        else if (line.startsWith(QLatin1String("err ")))
            err << line.mid(4) << '\n';
        else if (line.startsWith(QLatin1String("exit ")))
            exitCode = line.mid(5).toInt();
        else if (line == QLatin1String("ok"))
            break;
        else if (line.startsWith(QLatin1String("error ")))
            break;
    }
    if (exitCode)
        return exitCode;
    // Refused before it ran: a window on another data folder, or one still starting.
    return std::nullopt;
}

bool startWatchInWindow(QLocalSocket& socket, bool bJson)
{
    socket.write(watchRequest(bJson).toUtf8() + '\n');
    while (!socket.canReadLine()) {
        if (!socket.waitForReadyRead(kConnectMs))
            return false;
    }
    return socket.readLine() == "ok\n";
}

} // namespace ctlchannel
