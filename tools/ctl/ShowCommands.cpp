#include "ShowCommands.h"

#include "CtlOutput.h"
#include "SettingsSource.h"
#include "buttons/core/ButtonFunction.h"
#include "buttons/core/ButtonWords.h"
#include "editors/core/DpiConversion.h"
#include "editors/core/LightingEffects.h"
#include "editors/core/ReportRate.h"
#include "store/ConfigFiles.h"
#include "store/keys/KeyCodes.h"

#include <QJsonArray>

namespace {

struct LightingView
{
    QString word;
    QString name;
    std::optional<QString> colour;
    std::optional<int> brightness;
    std::optional<int> speed;
};

LightingView lightingOf(const ProfileData& record)
{
    LightingView view;
    const EffectInfo* info = effectInfo(record.LedMode);
    if (!info) {
        view.word = QStringLiteral("code:%1").arg(record.LedMode);
        return view;
    }
    view.word = effectWord(record.LedMode);
    view.name = QLatin1String(info->name);
    const LedModeInfo& entry = record.modes[record.LedMode];
    if (info->bColor && entry.RGB.valid)
        view.colour = QString::asprintf("%02x%02x%02x", entry.RGB.red, entry.RGB.green, entry.RGB.blue);
    if (info->bBrightness)
        view.brightness = int(entry.bright);
    if (info->bSpeed)
        view.speed = int(entry.breath);
    return view;
}

QString dpiText(const DpiInfo& stage, int sensor)
{
    const int x = dpiFromRaw(int(stage.x), sensor);
    const int y = dpiFromRaw(int(stage.y), sensor);
    return x == y ? QStringLiteral("%1 DPI").arg(x) : QStringLiteral("%1x%2 DPI").arg(x).arg(y);
}

void printText(const ConfigData& config, int iSlot, const QString& product, int sensor, QTextStream& out)
{
    const ProfileData& record = config.slot(iSlot);
    out << "slot " << iSlot + 1 << " \"" << config.slotProfileNames[size_t(iSlot)] << "\""
        << (iSlot == config.ProfileID % kSlotCount ? ", active" : "") << "\n";
    out << "product: " << product << ", sensor " << sensor << "\n";
    out << "DPI stages:\n";
    for (int i = 0; i < kDpiStageCount; ++i) {
        const DpiInfo& stage = record.stages[size_t(i)];
        out << "  " << i + 1 << ": " << dpiText(stage, sensor) << (stage.used ? ", on" : ", off")
            << (i == record.dpi ? ", active" : "") << "\n";
    }
    out << "rate: " << rateWords(record.pollrate) << "\n";
    out << "pointer speed: " << record.mousespeed << "\n";
    out << "scroll speed: " << record.scrollspeed << "\n";
    const LightingView lit = lightingOf(config.slot(lightingSlotFor(product, iSlot)));
    out << "lighting: " << (lit.name.isEmpty() ? lit.word : lit.name + " (" + lit.word + ")");
    if (lit.colour)
        out << ", colour " << *lit.colour;
    if (lit.brightness)
        out << ", brightness " << *lit.brightness;
    if (lit.speed)
        out << ", speed " << *lit.speed;
    out << "\nbuttons:\n";
    QStringList macros;
    for (const MouseButton& button : mouseButtons(product)) {
        const ButtonInfo& info = record.buttons[size_t(button.record)];
        const char* menu = buttonFunctionText(info.Fun);
        const QString word = buttonWord(info, sensor);
        out << "  " << button.name.leftJustified(11) << (menu ? QString::fromLatin1(menu) + " (" + word + ")" : word)
            << "\n";
        if ((info.Fun == ButtonFunction::Macro || info.Fun == ButtonFunction::GunFile) &&
            !macros.contains(info.macroname))
            macros << info.macroname;
    }
    out << "macros: " << (macros.isEmpty() ? QStringLiteral("none") : macros.join(QLatin1String(", "))) << "\n";
}

void printJson(const ConfigData& config, int iSlot, const QString& product, int sensor, QTextStream& out)
{
    const ProfileData& record = config.slot(iSlot);
    QJsonArray stages;
    for (int i = 0; i < kDpiStageCount; ++i) {
        const DpiInfo& stage = record.stages[size_t(i)];
        stages.append(QJsonObject{{"stage", i + 1},
                                  {"x", dpiFromRaw(int(stage.x), sensor)},
                                  {"y", dpiFromRaw(int(stage.y), sensor)},
                                  {"on", stage.used != 0},
                                  {"active", i == record.dpi}});
    }
    const LightingView lit = lightingOf(config.slot(lightingSlotFor(product, iSlot)));
    QJsonArray buttons;
    QJsonArray macros;
    for (const MouseButton& button : mouseButtons(product)) {
        const ButtonInfo& info = record.buttons[size_t(button.record)];
        const char* menu = buttonFunctionText(info.Fun);
        buttons.append(QJsonObject{{"button", button.name},
                                   {"function", buttonWord(info, sensor)},
                                   {"menu", menu ? QJsonValue(QString::fromLatin1(menu)) : QJsonValue()}});
        if ((info.Fun == ButtonFunction::Macro || info.Fun == ButtonFunction::GunFile) &&
            !macros.contains(info.macroname))
            macros.append(info.macroname);
    }
    const int hz = rateHz(record.pollrate);
    out << jsonLine({{"product", product},
                     {"sensor", sensor},
                     {"slot", iSlot + 1},
                     {"name", config.slotProfileNames[size_t(iSlot)]},
                     {"active", iSlot == config.ProfileID % kSlotCount},
                     {"dpiStages", stages},
                     {"rateHz", jsonNumber(hz != 0 ? std::optional<int>(hz) : std::nullopt)},
                     {"pointerSpeed", record.mousespeed},
                     {"scrollSpeed", record.scrollspeed},
                     {"lighting", QJsonObject{{"effect", lit.word},
                                              {"name", lit.name},
                                              {"colour", lit.colour ? QJsonValue(*lit.colour) : QJsonValue()},
                                              {"brightness", jsonNumber(lit.brightness)},
                                              {"speed", jsonNumber(lit.speed)}}},
                     {"buttons", buttons},
                     {"macros", macros}});
}

} // namespace

int runShow(const CtlRequest& request, QTextStream& out, QTextStream& err)
{
    // Before the program ever ran, the settings are what it would make them.
    if (!prepareSettings()) {
        err << "osken-ctl: the program-wide settings could not be stored\n";
        return CtlExit::CantCreate;
    }
    const QString product = chosenProduct(std::nullopt);
    const int sensor = chosenSensor(product, std::nullopt);
    ConfigData config;
    loadConfig(config);
    const int iSlot = request.slot.value_or(config.ProfileID % kSlotCount);
    if (request.json)
        printJson(config, iSlot, product, sensor, out);
    else
        printText(config, iSlot, product, sensor, out);
    return CtlExit::Done;
}

int runFunctions(QTextStream& out)
{
    for (ButtonGroup group : {ButtonGroup::Front, ButtonGroup::Wheel}) {
        out << (group == ButtonGroup::Front ? "Numbered buttons:\n" : "wheel-up, wheel-down:\n");
        for (const FunctionWordRow& row : fixedFunctionWords(group))
            out << "  " << row.word.leftJustified(20) << buttonFunctionText(row.code) << "\n";
        for (const QString& form : parameterFunctionForms(group))
            out << "  " << form << "\n";
    }
    out << "Keys (KEY):\n ";
    for (const KeyCodePair& pair : KeyCodeTable)
        out << " " << keyWord(pair.keyCode);
    out << "\nChord modifiers (MOD): ctrl shift alt win\n";
    return CtlExit::Done;
}

int runEffects(QTextStream& out)
{
    for (quint8 code : effectMenuOrder()) {
        const EffectInfo* info = effectInfo(code);
        QStringList controls;
        if (info->bColor)
            controls << QStringLiteral("--colour");
        if (info->bBrightness)
            controls << QStringLiteral("--brightness");
        if (info->bSpeed)
            controls << QStringLiteral("--speed");
        out << effectWord(code).leftJustified(20) << controls.join(QLatin1Char(' ')) << "\n";
    }
    return CtlExit::Done;
}
