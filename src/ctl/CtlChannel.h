#pragma once

#include "platform/InstanceChannel.h"

#include <QLocalSocket>
#include <QString>
#include <QStringList>
#include <QTextStream>

#include <optional>

// osken-ctl's commands handed to the running window over its instance socket (platform/InstanceChannel.h),
// so that one process owns the receiver. Request kinds:
//   ctl {"args":[...],"data":FOLDER}    runs the command line `args` in the window. Answer lines "out TEXT"
//                                       and "err TEXT" (what the command prints, line by line), then
//                                       "exit N", then "ok".
//   watch {"json":BOOL,"data":FOLDER}   a feed: "ok", then one event line after another as watch prints them.
// FOLDER is the tool's data folder: a window that works on another one refuses with kOtherDataFolder, and so
// does one that is only starting (unknown request); the tool then works on its own.
namespace ctlchannel {

inline const QString kCommandKind = QStringLiteral("ctl");
inline const QString kWatchKind = QStringLiteral("watch");
inline const QString kOtherDataFolder = QStringLiteral("another data folder");
constexpr int kMaxArguments = 64;

QString commandRequest(const QStringList& arguments);
QString watchRequest(bool bJson);

// The arguments of a ctl request, or nothing with the reason to refuse it.
std::optional<QStringList> commandArguments(const QString& argument, QString& refusal);
// The json flag of a watch request, or nothing with the reason to refuse it.
std::optional<bool> watchJson(const QString& argument, QString& refusal);

// The answer to a ctl request: what the command printed and its exit code.
platform::InstanceAnswer commandAnswer(const QString& out, const QString& err, int iExitCode);

// Connects `socket` to the running window; false when no window listens.
bool connectToWindow(QLocalSocket& socket, const QString& serverName);

// Runs the command line in the window `socket` is connected to; its exit code once it ran there (its output
// printed as it would be printed here), nothing when the window did not take it.
std::optional<int> runInWindow(QLocalSocket& socket, const QStringList& arguments, QTextStream& out,
                               QTextStream& err);

// Asks the window `socket` is connected to for its watch feed; true when it answered ok, after which each
// line that arrives is one event as watch prints it.
bool startWatchInWindow(QLocalSocket& socket, bool bJson);

} // namespace ctlchannel
