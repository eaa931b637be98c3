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
constexpr int Usage = 64;      // also a value the product does not take; nothing is written
constexpr int NoInput = 66;    // unreadable file, or one for another product
constexpr int CantCreate = 73; // a file could not be stored
} // namespace CtlExit

enum class CtlCommand
{
    Help,
    Version,
    Frames,
    Apply,
    Status,
    Defaults,
    List,
    Show,
    Functions,
    Effects,
    Profile,
    Dpi,
    Rate,
    Speed,
    Lighting,
    Button,
    Reset,
    Watch,
};

struct CtlRequest
{
    CtlCommand command = CtlCommand::Help;
    QStringList words; // the command's own words, options taken out
    bool json = false;
    std::optional<int> slot; // 0..4
    // frames, defaults
    std::optional<QString> product;
    std::optional<int> sensor;
    unsigned sections = 0x0F;
    QString file;
    // dpi
    std::optional<int> y;
    // lighting
    std::optional<QString> colour;
    std::optional<int> brightness;
    std::optional<int> speed;
    // speed
    std::optional<int> pointer;
    std::optional<int> scroll;
    // reset
    bool all = false;

    // The request changes the settings (and writes the mouse).
    bool changes() const;
};

// Parses the arguments after the program name. False with a one-line message on a usage error.
bool parseCtlArguments(const QStringList& arguments, CtlRequest& request, QString& error);
