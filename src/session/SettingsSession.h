#pragma once

#include "device/protocol/WriteProfileSet.h"
#include "session/WorkingConfigStore.h"
#include "store/ConfigData.h"

#include <QString>
#include <QStringList>

#include <functional>

// What the session needs of the mouse. The window hands in its device link and status thread; the
// command-line tool its own link; tests a recording sender.
struct MousePort
{
    FrameSender send;
    SleepFunction sleep; // the pause after each macro; none when empty
    std::function<void()> stopStatusThread;
    std::function<void()> startStatusThread;
    // Asks the mouse, now, whether it is awake; true when there is no way to ask.
    std::function<bool()> isAwake;
    // Frames the mouse has really echoed so far (DeviceLink::echoedFrames): a write-out with none is asleep.
    std::function<quint64()> echoedFrames;
    // Status reports the link has met outside the status thread (StatusReportRelay::statusReports); none
    // when empty.
    std::function<quint64()> statusReportsMet;
};

// How a write-out ended.
struct WriteOutcome
{
    quint8 result = 0;         // DeviceResult: 0 landed or nothing to send, 5 asleep, 1, 2 or 4 a device failure
    bool filesStored = true;   // every settings file was stored
    ChangeMask sent = 0;       // the sections written (0 when nothing needed writing)
    QStringList missingMacros; // bound macros without a readable file: nothing was sent

    bool landed() const { return result == 0 && filesStored && missingMacros.isEmpty(); }
};

// What a status report of the mouse changed in the settings.
struct MouseChange
{
    bool profile = false;
    bool dpiStage = false;
    bool rate = false;
    bool filesStored = true;
};

// The one owner of the settings state: workingConfig (what the editors change), savedConfig (as last
// loaded or written) and deviceConfig (what the frames are built from during a write-out). The window,
// its panels, the profile commands and the command-line tool all go through it. GUI thread only.
class SettingsSession
{
public:
    explicit SettingsSession(MousePort port = {});
    SettingsSession(const SettingsSession&) = delete;
    SettingsSession& operator=(const SettingsSession&) = delete;

    void setMousePort(MousePort port);

    // savedConfig from the files of the current product; workingConfig takes it.
    void load();
    // A configuration read elsewhere (an imported file) becomes both saved and working.
    void adopt(const ConfigData& config);

    const ConfigData& working() const { return m_Working; }
    const ConfigData& saved() const { return m_Saved; }
    const ConfigData& device() const { return m_Context.deviceConfig; }
    int activeSlot() const { return m_Working.ProfileID % kSlotCount; }
    QString slotName(int iSlot) const { return m_Working.slotProfileNames[unsigned(iSlot) % kSlotCount]; }

    // The editor panels edit the working records in place; the reference stays valid for the session's life.
    ProfileData& workingRecord(int iSlot) { return m_Working.slot(iSlot); }
    ProfileData& activeRecord() { return m_Working.activeSlot(); }
    // Any other change of the working state: a slot's record, names, the active slot.
    void edit(const std::function<void(ConfigData&)>& change) { change(m_Working); }
    void editSlot(int iSlot, const std::function<void(ProfileData&)>& change) { change(m_Working.slot(iSlot)); }

    // The computer's pointer speed as it is now: part of the loaded state, not an edit to apply.
    void takePointerSpeed(quint8 iSpeed);

    // Makes a slot the active one and stores the choice.
    [[nodiscard]] bool selectSlot(int iSlot);
    // Reads the slot's record again from its profile file (the product defaults when it has none),
    // dropping its edits.
    void revertSlot(int iSlot);
    // The product's factory defaults for one slot (its profile name stays), or for every slot with the
    // default names, slot 1 active: the "reset" and "reset all" commands, written by the next writeOut.
    void resetSlot(int iSlot);
    void resetAll();
    // The slot menu: selects the slot and tells the mouse to switch to it. The mouse then still holds the
    // tables last written, so the next write-out sends everything: callers run one next.
    [[nodiscard]] quint8 switchSlot(int iSlot);

    // A status report of the mouse: profile, DPI stage and rate as the mouse now uses them. Bytes the mouse
    // cannot mean change nothing. What changed is stored in the files and in the saved settings too, so
    // that nothing writes it back. Another profile makes the next write-out send everything.
    MouseChange takeMouseStatus(quint8 iProfile, quint8 iDpiStage, quint8 iRate);
    // A report the link met outside the status thread (MousePort::statusReportsMet counts them) is being
    // taken. A write-out that ends with such reports still untaken cannot vouch for the mouse: they may be
    // older than the settings it wrote.
    void noteRelayedReportTaken() { ++m_iRelayedReportsTaken; }

    // Stores the working settings in the files.
    [[nodiscard]] bool save();
    // Stores the working settings and writes to the mouse what differs from the saved ones (everything
    // after a write-out that did not land). `progress` hears 25, 50 and 80 (percent of the work).
    WriteOutcome writeOut(const std::function<void(int)>& progress = {});
    // A macro was renamed: the bindings follow in the working and the saved settings alike (the mouse
    // holds the macro, not its name).
    void renameMacro(const QString& strOld, const QString& strNew);
    // The next write-out sends everything: the mouse may not hold the saved settings.
    void requestFullWrite();

    // The sections a write-out would send now.
    ChangeMask pendingSections() const;
    // The working settings differ from the saved ones, or the mouse may not hold the saved ones.
    bool hasUnappliedEdits() const;
    // Bit i: slot i's working record differs from its saved one.
    quint8 unappliedSlots() const;

    WriteProfileContext& writeContext() { return m_Context; }
    const WorkingConfigStore& store() const { return m_Store; }

private:
    ConfigData m_Working;
    ConfigData m_Saved;
    MousePort m_Port;
    quint64 m_iRelayedReportsTaken = 0;
    WriteProfileContext m_Context;
    WorkingConfigStore m_Store;
};
