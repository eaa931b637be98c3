#include "store/DiffConfig.h"

#include "store/DataPaths.h"
#include "store/NameSafety.h"
#include "store/RecordEquality.h"
#include "store/RecordFields.h"
#include "store/SettingsValue.h"

#include <QFileInfo>

namespace {

// Function codes of records that run a named macro file: a macro, a gun file.
constexpr int kMacroFun = 200;
constexpr int kGunFileFun = 510;

bool runsMacroFile(int iFun)
{
    return iFun == kMacroFun || iFun == kGunFileFun;
}

bool basicDiffers(const ConfigData& working, const ConfigData& saved)
{
    for (int i = 0; i < kSlotCount; ++i) {
        if (working.slots[i].pollrate != saved.slots[i].pollrate ||
            working.slots[i].scrollspeed != saved.slots[i].scrollspeed)
            return true;
    }
    if (working.LiftHigh != saved.LiftHigh || working.ProfileID != saved.ProfileID)
        return true;
    const ProfileData& a = working.activeSlot();
    const ProfileData& b = saved.activeSlot();
    return a.dpi != b.dpi || a.LedMode != b.LedMode;
}

bool dpiDiffers(const ConfigData& working, const ConfigData& saved)
{
    // link and xy are editor state only: the device tables carry x and y.
    for (int i = 0; i < kSlotCount; ++i) {
        for (int s = 0; s < kDpiStageCount; ++s) {
            const DpiInfo& a = working.slots[i].stages[s];
            const DpiInfo& b = saved.slots[i].stages[s];
            if (a.used != b.used || a.x != b.x || a.y != b.y)
                return true;
        }
    }
    return false;
}

// True when the macro file was saved since the last write-out; with bTake the flag is cleared then.
bool macroWriteSign(const QString& macroFolder, const QString& macroName, bool bTake)
{
    // A name that cannot be a file of the macro folder never reaches the file system.
    if (!isSafeFileName(macroName))
        return false;
    const QString path = macroFolder + QLatin1Char('/') + macroName + QStringLiteral(".MSMACRO");
    if (!QFileInfo::exists(path))
        return false;
    QSettings macro(path, QSettings::IniFormat);
    if (readNumber<int>(macro, QStringLiteral("Setting/WriteSign")) == 0)
        return false;
    if (!bTake)
        return true;
    macro.setValue(QStringLiteral("Setting/WriteSign"), 0);
    // If the flag cannot be cleared the macro is simply sent again next time.
    syncSettings(macro);
    return true;
}

bool buttonsDiffer(const ConfigData& working, const ConfigData& saved, bool bTakeWriteSigns)
{
    const QString macroFolder = macroDirectory();
    for (int i = 0; i < kSlotCount; ++i) {
        for (int btn = 0; btn < kButtonSlotCount; ++btn) {
            const ButtonInfo& a = working.slots[i].buttons[btn];
            const ButtonInfo& b = saved.slots[i].buttons[btn];
            if (!sameButtonNumbers(a, b))
                return true;
            const bool bKeyStepsDiffer = !(a.keys == b.keys);
            if (a.macroname == b.macroname) {
                if (bKeyStepsDiffer)
                    return true;
                // Fun is equal here: a gun file saved again is sent again like a macro.
                if (runsMacroFile(a.Fun) && macroWriteSign(macroFolder, a.macroname, bTakeWriteSigns))
                    return true;
            } else if (runsMacroFile(a.Fun) || bKeyStepsDiffer) {
                return true;
            }
        }
    }
    return false;
}

bool lightingDiffers(const ConfigData& working, const ConfigData& saved)
{
    for (int i = 0; i < kSlotCount; ++i) {
        const ProfileData& a = working.slots[i];
        const ProfileData& b = saved.slots[i];
        if (a.LedMode != b.LedMode)
            return true;
        // A mode index from a file may lie beyond the table; it then selects no entry to compare.
        if (a.LedMode < kLedModeCount && !(a.modes[a.LedMode] == b.modes[a.LedMode]))
            return true;
    }
    return false;
}

ChangeMask changedSections(const ConfigData& working, const ConfigData& saved, bool bTakeWriteSigns)
{
    ChangeMask mask = 0;
    if (basicDiffers(working, saved))
        mask |= ChangeBits::Basic;
    if (dpiDiffers(working, saved))
        mask |= ChangeBits::Dpi;
    if (buttonsDiffer(working, saved, bTakeWriteSigns))
        mask |= ChangeBits::Buttons;
    if (lightingDiffers(working, saved))
        mask |= ChangeBits::Lighting;
    return mask;
}

} // namespace

ChangeMask diffConfig(const ConfigData& working, const ConfigData& saved)
{
    return changedSections(working, saved, true);
}

ChangeMask peekConfigChanges(const ConfigData& working, const ConfigData& saved)
{
    return changedSections(working, saved, false);
}
