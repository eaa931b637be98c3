#include "CtlArguments.h"

#include "store/ConfigData.h"

namespace {

enum Option : unsigned
{
    Json = 1u << 0,
    Slot = 1u << 1,
    Y = 1u << 2,
    Colour = 1u << 3,
    Brightness = 1u << 4,
    LightSpeed = 1u << 5,
    Pointer = 1u << 6,
    Scroll = 1u << 7,
    All = 1u << 8,
    Product = 1u << 9,
    Sensor = 1u << 10,
    Sections = 1u << 11,
};

struct OptionRule
{
    const char* name;
    Option option;
    bool takesValue;
};

constexpr OptionRule kOptions[] = {
    {"--json", Json, false},        {"--slot", Slot, true},       {"--y", Y, true},
    {"--colour", Colour, true},     {"--color", Colour, true},    {"--brightness", Brightness, true},
    {"--speed", LightSpeed, true},  {"--pointer", Pointer, true}, {"--scroll", Scroll, true},
    {"--all", All, false},          {"--product", Product, true}, {"--sensor", Sensor, true},
    {"--sections", Sections, true},
};

struct CommandRule
{
    const char* name;
    CtlCommand command;
    int words; // how many words follow the command (a file counts as one)
    unsigned options;
    const char* fileSuffixes; // space-separated; nullptr when no file is taken
};

constexpr CommandRule kCommands[] = {
    {"frames", CtlCommand::Frames, 1, Product | Sensor | Sections, ".conf .prof"},
    {"apply", CtlCommand::Apply, 1, 0, ".conf .prof"},
    {"status", CtlCommand::Status, 0, Json, nullptr},
    {"defaults", CtlCommand::Defaults, 1, Product, ".prof"},
    {"list", CtlCommand::List, 0, Json, nullptr},
    {"show", CtlCommand::Show, 0, Json | Slot, nullptr},
    {"functions", CtlCommand::Functions, 0, 0, nullptr},
    {"effects", CtlCommand::Effects, 0, 0, nullptr},
    {"profile", CtlCommand::Profile, 1, 0, nullptr},
    {"dpi", CtlCommand::Dpi, 2, Slot | Y, nullptr},
    {"rate", CtlCommand::Rate, 1, Slot, nullptr},
    {"speed", CtlCommand::Speed, 0, Slot | Pointer | Scroll, nullptr},
    {"lighting", CtlCommand::Lighting, 1, Slot | Colour | Brightness | LightSpeed, nullptr},
    {"button", CtlCommand::Button, 2, Slot, nullptr},
    {"reset", CtlCommand::Reset, 0, Slot | All, nullptr},
    {"watch", CtlCommand::Watch, 0, Json, nullptr},
};

const CommandRule* findCommand(const QString& name)
{
    for (const CommandRule& rule : kCommands) {
        if (name == QLatin1String(rule.name))
            return &rule;
    }
    return nullptr;
}

const OptionRule* findOption(const QString& name)
{
    for (const OptionRule& rule : kOptions) {
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

bool takeValue(const OptionRule& rule, const QString& value, CtlRequest& request, QString& error)
{
    const std::optional<unsigned> number = parseNumber(value);
    const bool isInt = number && *number <= 0xFFFFu;
    auto needsNumber = [&] {
        error = QStringLiteral("%1 needs a number, not \"%2\"").arg(QLatin1String(rule.name), value);
        return false;
    };
    switch (rule.option) {
    case Product:
        if (value.isEmpty()) {
            error = QStringLiteral("--product needs a name");
            return false;
        }
        request.product = value;
        return true;
    case Colour:
        request.colour = value;
        return true;
    case Sensor:
        if (!number || *number > 0x7FFFFFFFu) {
            error = QStringLiteral("--sensor needs a sensor number, not \"%1\"").arg(value);
            return false;
        }
        request.sensor = static_cast<int>(*number);
        return true;
    case Sections:
        if (!number || *number > 0x0F) {
            error = QStringLiteral("--sections needs a mask from 0 to 15, not \"%1\"").arg(value);
            return false;
        }
        request.sections = *number;
        return true;
    case Slot:
        if (!number || *number < 1 || *number > unsigned(kSlotCount)) {
            error = QStringLiteral("--slot is 1-%1, not \"%2\"").arg(kSlotCount).arg(value);
            return false;
        }
        request.slot = int(*number) - 1;
        return true;
    default:
        break;
    }
    if (!isInt)
        return needsNumber();
    const int n = int(*number);
    switch (rule.option) {
    case Y:
        request.y = n;
        break;
    case Brightness:
        request.brightness = n;
        break;
    case LightSpeed:
        request.speed = n;
        break;
    case Pointer:
        request.pointer = n;
        break;
    case Scroll:
        request.scroll = n;
        break;
    default:
        break;
    }
    return true;
}

} // namespace

bool CtlRequest::changes() const
{
    switch (command) {
    case CtlCommand::Profile:
    case CtlCommand::Dpi:
    case CtlCommand::Rate:
    case CtlCommand::Speed:
    case CtlCommand::Lighting:
    case CtlCommand::Button:
    case CtlCommand::Reset:
        return true;
    default:
        return false;
    }
}

bool parseCtlArguments(const QStringList& arguments, CtlRequest& request, QString& error)
{
    request = CtlRequest{};
    if (arguments.isEmpty()) {
        error = QStringLiteral("no command given (try --help)");
        return false;
    }
    const QString& first = arguments.first();
    if (arguments.contains(QLatin1String("--help")) || arguments.contains(QLatin1String("-h")) ||
        first == QLatin1String("help")) {
        request.command = CtlCommand::Help;
        return true;
    }
    if (first == QLatin1String("--version")) {
        request.command = CtlCommand::Version;
        return true;
    }
    const CommandRule* rule = findCommand(first);
    if (rule == nullptr) {
        error = QStringLiteral("unknown command \"%1\" (try --help)").arg(first);
        return false;
    }
    request.command = rule->command;

    for (int i = 1; i < arguments.size(); ++i) {
        const QString& arg = arguments[i];
        if (!arg.startsWith(QLatin1String("--"))) {
            request.words << arg;
            continue;
        }
        const OptionRule* option = findOption(arg);
        if (option == nullptr) {
            error = QStringLiteral("unknown option %1").arg(arg);
            return false;
        }
        if ((rule->options & option->option) == 0) {
            error = QStringLiteral("%1 does not take %2").arg(first, arg);
            return false;
        }
        if (!option->takesValue) {
            request.json = request.json || option->option == Json;
            request.all = request.all || option->option == All;
            continue;
        }
        if (i + 1 >= arguments.size()) {
            error = QStringLiteral("%1 needs a value").arg(arg);
            return false;
        }
        if (!takeValue(*option, arguments[++i], request, error))
            return false;
    }

    if (rule->fileSuffixes != nullptr) {
        if (request.words.size() != 1) {
            error = QStringLiteral("%1 needs exactly one file").arg(first);
            return false;
        }
        if (!hasSuffix(request.words.first(), rule->fileSuffixes)) {
            error = QStringLiteral("%1 needs a %2 file")
                        .arg(first, QString::fromLatin1(rule->fileSuffixes).replace(' ', " or "));
            return false;
        }
        request.file = request.words.first();
        return true;
    }
    if (request.words.size() != rule->words) {
        error = rule->words == 0 ? QStringLiteral("%1 takes no words (try --help)").arg(first)
                                 : QStringLiteral("%1 takes %2 words (try --help)").arg(first).arg(rule->words);
        return false;
    }
    if (request.command == CtlCommand::Speed && !request.pointer && !request.scroll) {
        error = QStringLiteral("speed needs --pointer N or --scroll N");
        return false;
    }
    return true;
}
