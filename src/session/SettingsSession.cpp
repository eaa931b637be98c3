#include "session/SettingsSession.h"

#include "device/protocol/DeviceCommands.h"
#include "macro/core/MacroBindings.h"
#include "store/AppSettings.h"
#include "store/ConfigFiles.h"
#include "store/DiffConfig.h"
#include "store/NameSafety.h"
#include "store/ProfileDefaults.h"
#include "store/ProfileFiles.h"
#include "store/RecordEquality.h"

#include <QFileInfo>

namespace {

bool isRateCode(quint8 iRate)
{
    return iRate == 1 || iRate == 2 || iRate == 4 || iRate == 8;
}

} // namespace

SettingsSession::SettingsSession(MousePort port)
{
    setMousePort(std::move(port));
}

void SettingsSession::setMousePort(MousePort port)
{
    m_Port = std::move(port);
    m_Context.send = m_Port.send;
    m_Context.sleep = m_Port.sleep;
    m_Context.stopStatusThread = m_Port.stopStatusThread;
    m_Context.startStatusThread = m_Port.startStatusThread;
    m_Context.echoedFrames = m_Port.echoedFrames;
}

void SettingsSession::load()
{
    loadConfig(m_Saved);
    m_Working = m_Saved;
    m_Store.remember(m_Saved);
}

void SettingsSession::adopt(const ConfigData& config)
{
    m_Saved = config;
    m_Working = config;
}

void SettingsSession::takePointerSpeed(quint8 iSpeed)
{
    m_Working.activeSlot().mousespeed = iSpeed;
    m_Saved.activeSlot().mousespeed = iSpeed;
}

bool SettingsSession::selectSlot(int iSlot)
{
    if (iSlot < 0 || iSlot >= kSlotCount)
        return false;
    m_Working.ProfileID = quint8(iSlot);
    return writeProfileId(iSlot);
}

void SettingsSession::revertSlot(int iSlot)
{
    if (iSlot < 0 || iSlot >= kSlotCount)
        return;
    const QString name = m_Working.slotProfileNames[iSlot];
    ProfileData& record = m_Working.slot(iSlot);
    const QString path = profileFilePath(name);
    // A slot whose profile was never stored holds the product defaults, as at start.
    if (isValidProfileName(name) && QFileInfo::exists(path))
        loadProfile(record, path, profileGroup());
    else
        setProfileDefaults(record);
    record.ProfileName = name;
}

void SettingsSession::resetSlot(int iSlot)
{
    if (iSlot < 0 || iSlot >= kSlotCount)
        return;
    ProfileData& record = m_Working.slot(iSlot);
    const QString name = record.ProfileName;
    setProfileDefaults(record);
    record.ProfileName = name;
}

void SettingsSession::resetAll()
{
    resetAllProfiles(m_Working);
    for (int i = 0; i < kSlotCount; ++i)
        m_Working.slot(i).ProfileName = m_Working.slotProfileNames[i];
}

quint8 SettingsSession::switchSlot(int iSlot)
{
    if (iSlot < 0 || iSlot >= kSlotCount)
        return DeviceResult::NoDevice;
    if (m_Port.isAwake && !m_Port.isAwake())
        return DeviceResult::Asleep;
    const bool bStored = selectSlot(iSlot);
    const quint8 result = SwitchProfileAndReload(m_Context.send, quint8(iSlot));
    if (result == DeviceResult::Done && bStored)
        m_Saved.ProfileID = quint8(iSlot);
    // The mouse runs the slot now, with the tables last written, which were another slot's.
    requestFullWrite();
    return result;
}

MouseChange SettingsSession::takeMouseStatus(quint8 iProfile, quint8 iDpiStage, quint8 iRate)
{
    MouseChange change;
    // What the mouse now uses is compared with the saved settings too: an unapplied edit to the same value
    // still leaves the files and the saved settings to follow the mouse.
    if (iProfile < kSlotCount && (iProfile != m_Working.ProfileID || iProfile != m_Saved.ProfileID)) {
        change.profile = true;
        m_Working.ProfileID = iProfile;
        m_Saved.ProfileID = iProfile;
        change.filesStored = writeProfileId(iProfile) && change.filesStored;
        // The mouse keeps the tables last written, another slot's, until a write-out sends this slot's.
        requestFullWrite();
    }
    const QString name = slotName(activeSlot());
    ProfileData& active = m_Working.activeSlot();
    if (iDpiStage < kDpiStageCount && (iDpiStage != active.dpi || iDpiStage != m_Saved.activeSlot().dpi)) {
        change.dpiStage = true;
        active.dpi = iDpiStage;
        m_Saved.activeSlot().dpi = iDpiStage;
        change.filesStored = saveProfileValue(name, QStringLiteral("dpi"), iDpiStage) && change.filesStored;
    }
    if (isRateCode(iRate) && (iRate != active.pollrate || iRate != m_Saved.activeSlot().pollrate)) {
        change.rate = true;
        active.pollrate = iRate;
        m_Saved.activeSlot().pollrate = iRate;
        change.filesStored = saveProfileValue(name, QStringLiteral("pollrate"), iRate) && change.filesStored;
    }
    return change;
}

bool SettingsSession::save()
{
    return m_Store.save(m_Working);
}

WriteOutcome SettingsSession::writeOut(const std::function<void(int)>& progress)
{
    const auto report = [&progress](int iPercent) {
        if (progress)
            progress(iPercent);
    };
    WriteOutcome outcome;
    // The profile files are stored while the mouse is written; both are done before the outcome is known.
    m_Store.begin(m_Working);
    report(25);

    ChangeMask sections = diffConfig(m_Working, m_Saved);
    if (readDiff() == 1)
        sections = ChangeBits::All;
    if (sections != 0)
        outcome.missingMacros = missingMacros(m_Working.activeSlot());
    // An empty macro in place of a missing one would reach the mouse without a word: nothing is sent.
    if (sections != 0 && outcome.missingMacros.isEmpty()) {
        if (m_Port.isAwake && !m_Port.isAwake()) {
            outcome.result = DeviceResult::Asleep;
        } else {
            report(50);
            m_Context.productName = readCurrentProductName();
            m_Context.sensorModel = readSensorModel();
            outcome.result = WriteProfileSet(m_Context, m_Working, sections);
            outcome.sent = sections;
        }
    }
    outcome.filesStored = m_Store.finish();
    m_Saved = m_Working;
    // Whatever did not land, on the mouse or in the files, is sent whole next time, even after a restart. So
    // is a write-out with reports of the mouse's own changes still waiting: taken after the write, they may be
    // older than the settings the mouse now holds.
    const bool bReportsWaiting = m_Port.statusReportsMet && m_Port.statusReportsMet() != m_iRelayedReportsTaken;
    const bool bMouseHoldsFiles = outcome.landed() && (outcome.sent == 0 || !bReportsWaiting);
    if (!bMouseHoldsFiles || readDiff() != 0)
        writeDiff(bMouseHoldsFiles ? 0 : 1);
    report(80);
    return outcome;
}

void SettingsSession::renameMacro(const QString& strOld, const QString& strNew)
{
    renameBindings(m_Working, strOld, strNew);
    renameBindings(m_Saved, strOld, strNew);
}

void SettingsSession::requestFullWrite()
{
    writeDiff(1);
}

ChangeMask SettingsSession::pendingSections() const
{
    if (readDiff() == 1)
        return ChangeBits::All;
    return peekConfigChanges(m_Working, m_Saved);
}

bool SettingsSession::hasUnappliedEdits() const
{
    return m_Working != m_Saved || readDiff() == 1;
}

quint8 SettingsSession::unappliedSlots() const
{
    quint8 iMask = 0;
    for (int i = 0; i < kSlotCount; ++i) {
        if (m_Working.slot(i) != m_Saved.slot(i) ||
            m_Working.slotProfileNames[unsigned(i)] != m_Saved.slotProfileNames[unsigned(i)])
            iMask |= quint8(1u << i);
    }
    return iMask;
}
