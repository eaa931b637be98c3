#include "ChangeCommand.h"

#include "editors/core/LightingEffects.h"
#include "session/SlotEdits.h"

namespace {

std::optional<int> wordNumber(const QString& word)
{
    bool ok = false;
    const int value = word.toInt(&ok, 10);
    return ok ? std::optional<int>(value) : std::nullopt;
}

bool refuse(QString& refusal, const QString& text)
{
    refusal = text;
    return false;
}

// dpi STAGE DPI | dpi STAGE on|off | dpi active STAGE
bool editDpi(const CtlRequest& request, ProfileData& record, const ProductRules& rules, QString& refusal)
{
    const bool bActive = request.words[0] == QLatin1String("active");
    const std::optional<int> stage = wordNumber(request.words[bActive ? 1 : 0]);
    if (!stage)
        return refuse(refusal, QStringLiteral("a stage is 1-%1").arg(kDpiStageCount));
    if (bActive) {
        if (request.y)
            return refuse(refusal, QStringLiteral("--y goes with a DPI value"));
        return setActiveStage(record, *stage - 1, refusal);
    }
    const QString& value = request.words[1];
    if (value == QLatin1String("on") || value == QLatin1String("off")) {
        if (request.y)
            return refuse(refusal, QStringLiteral("--y goes with a DPI value"));
        return setStageUsed(record, *stage - 1, value == QLatin1String("on"), refusal);
    }
    const std::optional<int> dpi = wordNumber(value);
    if (!dpi)
        return refuse(refusal, QStringLiteral("dpi STAGE takes a DPI number, on or off"));
    return setStageDpi(record, rules, *stage - 1, *dpi, request.y, refusal);
}

bool editSlot(const CtlRequest& request, SettingsSession& session, const ProductRules& rules, QString& refusal)
{
    const int iSlot = request.slot.value_or(session.activeSlot());
    ProfileData& record = session.workingRecord(iSlot);
    switch (request.command) {
    case CtlCommand::Dpi:
        return editDpi(request, record, rules, refusal);
    case CtlCommand::Rate: {
        const std::optional<int> hz = wordNumber(request.words[0]);
        return setReportRate(record, hz.value_or(0), refusal);
    }
    case CtlCommand::Speed:
        return setSpeeds(record, request.pointer, request.scroll, refusal);
    case CtlCommand::Lighting: {
        // The lighting editor's record: slot 1's for a product whose slots share one lighting.
        ProfileData& lit = session.workingRecord(lightingSlotFor(rules.productName, iSlot));
        return setLighting(lit, {request.words[0], request.colour, request.brightness, request.speed}, refusal);
    }
    case CtlCommand::Button:
        return setButton(record, rules, request.words[0], request.words[1], refusal);
    case CtlCommand::Reset:
        if (request.all && request.slot)
            return refuse(refusal, QStringLiteral("reset --all resets every slot; it takes no --slot"));
        if (request.all)
            session.resetAll();
        else
            session.resetSlot(iSlot);
        return true;
    default:
        return refuse(refusal, QStringLiteral("not a change"));
    }
}

// One line for a write that did not land; the exit code is the device result, or 73 for the files.
int report(const WriteOutcome& outcome, const QString& noMouse, QTextStream& err)
{
    if (!outcome.missingMacros.isEmpty()) {
        err << "osken-ctl: macro not found: " << outcome.missingMacros.join(QStringLiteral(", "))
            << "; nothing was sent\n";
        return CtlExit::NoInput;
    }
    if (!outcome.filesStored) {
        err << "osken-ctl: the settings could not be stored\n";
        return CtlExit::CantCreate;
    }
    switch (outcome.result) {
    case DeviceResult::Done:
        return CtlExit::Done;
    case DeviceResult::NoDevice:
        err << "osken-ctl: " << noMouse << "; the change is stored and goes to the mouse with the next write\n";
        break;
    case DeviceResult::Asleep:
        err << "osken-ctl: the mouse is sleeping or not connected; the change is stored and goes to the mouse with "
               "the next write\n";
        break;
    default:
        err << "osken-ctl: the write failed with device result " << outcome.result
            << "; the change is stored and the next write sends everything\n";
        break;
    }
    return outcome.result;
}

} // namespace

int runChangeOn(const CtlRequest& request, ChangeTarget target, QTextStream& err)
{
    SettingsSession& session = target.session;
    const ProductRules rules = currentProductRules();

    std::optional<int> slot;
    if (request.command == CtlCommand::Profile) {
        slot = wordNumber(request.words[0]);
        if (!slot || *slot < 1 || *slot > kSlotCount) {
            err << "osken-ctl: a slot is 1-" << kSlotCount << "\n";
            return CtlExit::Usage;
        }
    } else {
        // An edit refused half-way must not stay in a session that lives on (the window's).
        const ConfigData before = session.working();
        QString refusal;
        if (!editSlot(request, session, rules, refusal)) {
            session.edit([&before](ConfigData& config) { config = before; });
            err << "osken-ctl: " << refusal << "\n";
            return CtlExit::Usage;
        }
    }

    WriteOutcome outcome;
    if (slot) {
        const int iSlot = *slot - 1;
        outcome.result = session.switchSlot(iSlot);
        // The mouse runs the slot with the tables last written, another slot's: they follow at once.
        if (outcome.result == DeviceResult::Done)
            outcome = session.writeOut();
        // The slot menu gives the desktop the pointer speed of the profile the mouse now uses.
        if (outcome.result == DeviceResult::Done && target.pointerSpeed)
            target.pointerSpeed->applySpeed(session.saved().slot(iSlot).mousespeed);
    } else {
        outcome = session.writeOut();
    }
    // A port with no mouse behind it fails its awake check; the message is the one for no mouse.
    if (!target.bMouseOpen && outcome.result == DeviceResult::Asleep)
        outcome.result = DeviceResult::NoDevice;
    return report(outcome, target.noMouse, err);
}
