#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// Exit codes of osken-ctl: the device results as they are, then the usual usage and input codes.
namespace CtlExit {
constexpr int Done = 0;
constexpr int NoDevice = 1;
constexpr int GaveUp = 2;
constexpr int WriteFailed = 4;
constexpr int Asleep = 5;
constexpr int Usage = 64;
constexpr int NoInput = 66;    // unreadable file, or one for another product
constexpr int CantCreate = 73; // the output file could not be stored
} // namespace CtlExit

enum class CtlCommand
{
    Help,
    Frames,
    Apply,
    Status,
    Defaults,
    List,
};

struct CtlRequest
{
    CtlCommand command = CtlCommand::Help;
    std::optional<QString> product;
    std::optional<int> sensor;
    unsigned sections = 0x0F;
    QString file;
};

// Parses the arguments after the program name. False with a one-line message on a usage error.
bool parseCtlArguments(const QStringList& arguments, CtlRequest& request, QString& error);

QString ctlUsage();
