#include "CtlArguments.h"

namespace {

struct CommandRule
{
    const char* name;
    CtlCommand command;
    bool takesProduct;
    bool takesSensorAndSections;
    const char* fileSuffixes; // space-separated; nullptr when no file is taken
};

constexpr CommandRule kCommands[] = {
    {"frames", CtlCommand::Frames, true, true, ".conf .prof"},
    {"apply", CtlCommand::Apply, false, false, ".conf .prof"},
    {"status", CtlCommand::Status, false, false, nullptr},
    {"defaults", CtlCommand::Defaults, true, false, ".prof"},
    {"list", CtlCommand::List, false, false, nullptr},
};

const CommandRule* findCommand(const QString& name)
{
    for (const CommandRule& rule : kCommands) {
        if (name == QLatin1String(rule.name))
            return &rule;
    }
    return nullptr;
}

// Decimal or 0x-hexadecimal, nothing else.
std::optional<unsigned> parseNumber(const QString& text)
{
    bool ok = false;
    unsigned value = 0;
    if (text.startsWith(QLatin1String("0x"), Qt::CaseInsensitive) && text.size() > 2)
        value = text.mid(2).toUInt(&ok, 16);
    else if (!text.isEmpty() && text[0].isDigit())
        value = text.toUInt(&ok, 10);
    if (!ok)
        return std::nullopt;
    return value;
}

bool hasSuffix(const QString& file, const char* suffixes)
{
    for (const QString& suffix : QString::fromLatin1(suffixes).split(QLatin1Char(' '))) {
        if (file.endsWith(suffix, Qt::CaseInsensitive))
            return true;
    }
    return false;
}

} // namespace

bool parseCtlArguments(const QStringList& arguments, CtlRequest& request, QString& error)
{
    request = CtlRequest{};
    if (arguments.isEmpty()) {
        error = QStringLiteral("no command given (try --help)");
        return false;
    }
    if (arguments.first() == QLatin1String("--help") || arguments.first() == QLatin1String("-h") ||
        arguments.first() == QLatin1String("help")) {
        request.command = CtlCommand::Help;
        return true;
    }
    const CommandRule* rule = findCommand(arguments.first());
    if (rule == nullptr) {
        error = QStringLiteral("unknown command \"%1\" (try --help)").arg(arguments.first());
        return false;
    }
    request.command = rule->command;

    QStringList files;
    for (int i = 1; i < arguments.size(); ++i) {
        const QString& arg = arguments[i];
        if (arg == QLatin1String("--help") || arg == QLatin1String("-h")) {
            request.command = CtlCommand::Help;
            return true;
        }
        const bool isProduct = arg == QLatin1String("--product");
        const bool isSensor = arg == QLatin1String("--sensor");
        const bool isSections = arg == QLatin1String("--sections");
        if (isProduct || isSensor || isSections) {
            if ((isProduct && !rule->takesProduct) || (!isProduct && !rule->takesSensorAndSections)) {
                error = QStringLiteral("%1 does not take %2").arg(arguments.first(), arg);
                return false;
            }
            if (i + 1 >= arguments.size()) {
                error = QStringLiteral("%1 needs a value").arg(arg);
                return false;
            }
            const QString value = arguments[++i];
            if (isProduct) {
                if (value.isEmpty()) {
                    error = QStringLiteral("--product needs a name");
                    return false;
                }
                request.product = value;
                continue;
            }
            const auto number = parseNumber(value);
            if (isSensor) {
                if (!number || *number > 0x7FFFFFFFu) {
                    error = QStringLiteral("--sensor needs a sensor number, not \"%1\"").arg(value);
                    return false;
                }
                request.sensor = static_cast<int>(*number);
            } else {
                if (!number || *number > 0x0F) {
                    error = QStringLiteral("--sections needs a mask from 0 to 15, not \"%1\"").arg(value);
                    return false;
                }
                request.sections = *number;
            }
            continue;
        }
        if (arg.startsWith(QLatin1String("--"))) {
            error = QStringLiteral("unknown option %1").arg(arg);
            return false;
        }
        files << arg;
    }

    if (rule->fileSuffixes == nullptr) {
        if (!files.isEmpty()) {
            error = QStringLiteral("%1 takes no file").arg(arguments.first());
            return false;
        }
        return true;
    }
    if (files.size() != 1) {
        error = QStringLiteral("%1 needs exactly one file").arg(arguments.first());
        return false;
    }
    if (!hasSuffix(files.first(), rule->fileSuffixes)) {
        error = QStringLiteral("%1 needs a %2 file")
                    .arg(arguments.first(), QString::fromLatin1(rule->fileSuffixes).replace(' ', " or "));
        return false;
    }
    request.file = files.first();
    return true;
}

QString ctlUsage()
{
    return QStringLiteral(
        "Usage: osken-ctl COMMAND [OPTIONS]\n"
        "\n"
        "Commands:\n"
        "  frames [--product NAME] [--sensor N] [--sections MASK] FILE.conf|FILE.prof\n"
        "      Prints every frame a write of the file's settings would send, one line per frame in send\n"
        "      order: 33 bytes as lower-case hex, checksum filled in. No device is touched. NAME defaults to\n"
        "      Config/CurrentProductName (\"OSKEN R5\" when empty), N to MouseSenSor/<NAME>, MASK to 15\n"
        "      (1 settings, 2 DPI stages, 4 buttons and macros, 8 lighting; decimal or 0x-hex). A .prof\n"
        "      file goes to the active slot of the stored configuration. Macros come from the data folder.\n"
        "  apply FILE.conf|FILE.prof\n"
        "      Writes the file's settings to the mouse (all sections; a .prof goes to the active slot of the\n"
        "      stored configuration). First asks the mouse for its battery state, to refuse a sleeping mouse.\n"
        "      Marks the stored configuration for a full write by the program, which no longer matches the\n"
        "      mouse. Exits with the device result: 0 done, 1 no device, 2 gave up, 4 write failed, 5 asleep.\n"
        "  status\n"
        "      Battery level in percent, charging, and the last status report (profile, DPI stage, rate)\n"
        "      seen within about one second. Exits 0, 1 no device, 2 no answer, 5 asleep.\n"
        "  defaults [--product NAME] FILE.prof\n"
        "      Writes the product's factory-default profile to FILE, tagged with the product name so that\n"
        "      it can be applied or imported. Exits 73 when the file cannot be stored.\n"
        "  list\n"
        "      The receivers found, one line each, tab-separated: product name, vendor:product, the two\n"
        "      collection paths, and \"ok\" when they open, else why one cannot be opened and the fix.\n"
        "\n"
        "Usage errors exit 64; an unreadable file or one for another product exits 66.\n"
        "OSKEN_VIRTUAL_MOUSE=1 talks to the virtual receiver instead of the mouse.\n");
}
