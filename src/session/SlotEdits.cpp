#include "session/SlotEdits.h"

#include "buttons/core/ButtonFunction.h"
#include "buttons/core/ButtonWords.h"
#include "editors/core/DpiConversion.h"
#include "editors/core/DpiStageRules.h"
#include "editors/core/HexColor.h"
#include "editors/core/LightingEffects.h"
#include "editors/core/ReportRate.h"
#include "editors/core/SensorLimits.h"
#include "macro/core/MacroFiles.h"
#include "store/AppSettings.h"

#include <QRegularExpression>
#include <QStringList>

#include <climits>

namespace {

constexpr int kMinSpeed = 1;
constexpr int kMaxSpeed = 20;
constexpr int kMaxRunsShown = 4;

bool refuse(QString& refusal, const QString& text)
{
    refusal = text;
    return false;
}

bool isStage(int iStage, QString& refusal)
{
    if (iStage >= 0 && iStage < kDpiStageCount)
        return true;
    return refuse(refusal, QStringLiteral("a stage is 1-%1").arg(kDpiStageCount));
}

// The raw stage values of a sensor as DPI runs of one step each: "100-5000 by 100, 5200-10000 by 200".
QString stepRuns(const SensorLimits& limits, int iSensor)
{
    QStringList runs;
    int iStart = dpiFromRaw(limits.iRawMin, iSensor);
    int iPrevious = iStart;
    int iStep = 0;
    auto close = [&runs](int iFrom, int iTo, int iBy) {
        runs << (iFrom == iTo ? QString::number(iFrom) : QStringLiteral("%1-%2 by %3").arg(iFrom).arg(iTo).arg(iBy));
    };
    for (int r = limits.iRawMin + 1; r <= limits.iRawMax; ++r) {
        const int iDpi = dpiFromRaw(r, iSensor);
        if (iStep == 0) {
            iStep = iDpi - iPrevious;
        } else if (iDpi - iPrevious != iStep) {
            close(iStart, iPrevious, iStep);
            iStart = iDpi;
            iStep = 0;
        }
        iPrevious = iDpi;
    }
    close(iStart, iPrevious, iStep);
    if (runs.size() > kMaxRunsShown)
        return QStringLiteral("%1-%2 in the sensor's own steps").arg(limits.iMinDpi).arg(limits.iMaxDpi);
    return runs.join(QLatin1String(", "));
}

// The raw value whose DPI is iDpi, or a refusal naming the steps and the nearest ones.
std::optional<int> rawForDpi(const SensorLimits& limits, int iSensor, int iDpi, QString& refusal)
{
    int iBelow = INT_MIN;
    int iAbove = INT_MAX;
    for (int r = limits.iRawMin; r <= limits.iRawMax; ++r) {
        const int iValue = dpiFromRaw(r, iSensor);
        if (iValue == iDpi)
            return r;
        if (iValue < iDpi)
            iBelow = std::max(iBelow, iValue);
        else
            iAbove = std::min(iAbove, iValue);
    }
    QStringList nearest;
    if (iBelow != INT_MIN)
        nearest << QString::number(iBelow);
    if (iAbove != INT_MAX)
        nearest << QString::number(iAbove);
    refuse(refusal, QStringLiteral("%1 DPI is not a step of sensor %2, which takes %3 (nearest: %4)")
                        .arg(iDpi)
                        .arg(iSensor)
                        .arg(stepRuns(limits, iSensor), nearest.join(QLatin1String(" or "))));
    return std::nullopt;
}

QString menuEffectWords()
{
    QStringList words;
    for (quint8 code : effectMenuOrder())
        words << effectWord(code);
    return words.join(QLatin1String(", "));
}

} // namespace

ProductRules currentProductRules()
{
    return {readCurrentProductName(), readSensorModel()};
}

bool setStageDpi(ProfileData& record, const ProductRules& rules, int iStage, int iDpiX, std::optional<int> iDpiY,
                 QString& refusal)
{
    if (!isStage(iStage, refusal))
        return false;
    const std::optional<SensorLimits> limits = sensorLimits(rules.sensorModel, rules.productName);
    if (!limits)
        return refuse(refusal, QStringLiteral("the DPI steps of sensor %1 are not known (MouseSenSor/%2 in Config.ini)")
                                   .arg(rules.sensorModel)
                                   .arg(rules.productName));
    if (iDpiY && *iDpiY != iDpiX && !limits->bLinkVisible)
        return refuse(refusal, QStringLiteral("sensor %1 keeps X and Y at one DPI").arg(rules.sensorModel));
    const std::optional<int> x = rawForDpi(*limits, rules.sensorModel, iDpiX, refusal);
    const std::optional<int> y = iDpiY ? rawForDpi(*limits, rules.sensorModel, *iDpiY, refusal) : x;
    if (!x || !y)
        return false;
    DpiInfo& stage = record.stages[size_t(iStage)];
    stage.link = *x == *y ? 1 : 0;
    stage.x = quint32(*x);
    stage.y = quint32(*y);
    return true;
}

bool setStageUsed(ProfileData& record, int iStage, bool bUsed, QString& refusal)
{
    if (!isStage(iStage, refusal))
        return false;
    if ((record.stages[size_t(iStage)].used != 0) == bUsed)
        return true;
    if (!toggleStageUsed(record.stages, iStage, record.dpi)) {
        return refuse(refusal, iStage == record.dpi
                                   ? QStringLiteral("stage %1 is the one in use; choose another first").arg(iStage + 1)
                                   : QStringLiteral("stage %1 is the last one in the cycle").arg(iStage + 1));
    }
    return true;
}

bool setActiveStage(ProfileData& record, int iStage, QString& refusal)
{
    if (!isStage(iStage, refusal))
        return false;
    if (record.stages[size_t(iStage)].used == 0)
        return refuse(refusal, QStringLiteral("stage %1 is off; switch it on first").arg(iStage + 1));
    record.dpi = quint8(iStage);
    return true;
}

bool setReportRate(ProfileData& record, int iHz, QString& refusal)
{
    const int iCode = rateCodeForHz(iHz);
    if (iCode == 0)
        return refuse(refusal, QStringLiteral("the rate is 125, 250, 500 or 1000 (Hz)"));
    record.pollrate = quint8(iCode);
    return true;
}

bool setSpeeds(ProfileData& record, std::optional<int> iPointer, std::optional<int> iScroll, QString& refusal)
{
    for (const std::optional<int>& speed : {iPointer, iScroll}) {
        if (speed && (*speed < kMinSpeed || *speed > kMaxSpeed))
            return refuse(refusal, QStringLiteral("a speed is %1-%2").arg(kMinSpeed).arg(kMaxSpeed));
    }
    if (iPointer)
        record.mousespeed = quint8(*iPointer);
    if (iScroll)
        record.scrollspeed = quint8(*iScroll);
    return true;
}

bool setLighting(ProfileData& record, const LightingChange& change, QString& refusal)
{
    const int iEffect = effectOfWord(change.effect);
    const EffectInfo* info = effectInfo(iEffect);
    if (!info || !info->bInMenu)
        return refuse(refusal, QStringLiteral("the effect is one of %1").arg(menuEffectWords()));
    const QString name = effectWord(iEffect);
    if (change.colour && !info->bColor)
        return refuse(refusal, QStringLiteral("%1 has no colour").arg(name));
    if (change.brightness && !info->bBrightness)
        return refuse(refusal, QStringLiteral("%1 has no brightness").arg(name));
    if (change.speed && !info->bSpeed)
        return refuse(refusal, QStringLiteral("%1 has no speed").arg(name));
    if (change.brightness && (*change.brightness < kBrightnessMin || *change.brightness > kBrightnessMax))
        return refuse(refusal, QStringLiteral("the brightness is %1-%2").arg(kBrightnessMin).arg(kBrightnessMax));
    if (change.speed && (*change.speed < kSpeedMin || *change.speed > kSpeedMax))
        return refuse(refusal, QStringLiteral("the speed is %1-%2").arg(kSpeedMin).arg(kSpeedMax));
    static const QRegularExpression kHex(QStringLiteral("^#?[0-9A-Fa-f]{6}$"));
    if (change.colour && !kHex.match(*change.colour).hasMatch())
        return refuse(refusal, QStringLiteral("a colour is six hexadecimal digits, RRGGBB"));

    record.LedMode = quint8(iEffect);
    LedModeInfo& entry = record.modes[size_t(iEffect)];
    if (change.colour) {
        const Rgb8 rgb = rgbFromHex(QString(*change.colour).remove(QLatin1Char('#')));
        entry.RGB = RgbColor::fromRgb(quint8(rgb.r), quint8(rgb.g), quint8(rgb.b));
    }
    if (change.brightness)
        entry.bright = quint32(*change.brightness);
    if (change.speed)
        entry.breath = quint32(*change.speed);
    return true;
}

bool setButton(ProfileData& record, const ProductRules& rules, const QString& button, const QString& word,
               QString& refusal)
{
    const std::vector<MouseButton> buttons = mouseButtons(rules.productName);
    if (buttons.empty())
        return refuse(refusal, QStringLiteral("the buttons of \"%1\" are not known").arg(rules.productName));
    const MouseButton* target = nullptr;
    QStringList names;
    for (const MouseButton& b : buttons) {
        names << b.name;
        if (button.compare(b.name, Qt::CaseInsensitive) == 0)
            target = &b;
    }
    if (!target)
        return refuse(refusal, QStringLiteral("a button is one of %1").arg(names.join(QLatin1String(", "))));

    const std::optional<ButtonAssignment> assignment = parseButtonWord(word, target->group, rules.sensorModel, refusal);
    if (!assignment)
        return false;
    const QStringList macros = listMacroNames();
    if (assignment->code == ButtonFunction::Macro && !macros.contains(assignment->macroName))
        return refuse(refusal, macros.isEmpty() ? QStringLiteral("there are no macros yet (the window records them)")
                                                : QStringLiteral("no macro \"%1\"; there are %2")
                                                      .arg(assignment->macroName, macros.join(QLatin1String(", "))));
    ButtonInfo& info = record.buttons[size_t(target->record)];
    if (info.Fun == ButtonFunction::Left && assignment->code != ButtonFunction::Left &&
        !hasOtherLeftClick(record, target->record))
        return refuse(refusal, QStringLiteral("at least one button keeps the left click"));
    assignButton(info, *assignment);
    if (assignment->code == ButtonFunction::Macro)
        copyMacroEvents(info);
    return true;
}
