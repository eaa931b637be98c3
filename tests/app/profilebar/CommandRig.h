#pragma once

#include "ProfileBarFakes.h"
#include "RecordingSender.h"
#include "TestDataHome.h"

#include "app/profilebar/ProfileCommands.h"
#include "session/SettingsSession.h"
#include "store/AppSettings.h"
#include "store/ConfigFiles.h"
#include "store/ProfileFiles.h"
#include "store/ProfileList.h"

#include <memory>

// The profile commands over a fresh data folder for "OSKEN R5": the five default profiles listed, the
// settings as loaded at start, a recording mouse, a fake window and answered dialogs.
struct CommandRig
{
    TestDataHome home;
    RecordingSender mouse;
    bool asleep = false;
    QList<int> statusCalls; // frames sent when the status thread was stopped (-1 - n when started)
    SettingsSession session;
    QStringList profileList;
    FakeProfileBarWindow window;
    DialogAnswers answers;
    std::unique_ptr<ProfileCommands> commands;

    CommandRig()
    {
        writeCurrentProductName("OSKEN R5");
        writeDiff(0);
        useSender(mouse.sender());
        session.load();
        profileList = loadProfileList();
        commands = std::make_unique<ProfileCommands>(session, profileList, window, answers.dialogs());
    }

    void useSender(FrameSender send)
    {
        MousePort port;
        port.send = std::move(send);
        port.isAwake = [this] { return !asleep; };
        port.stopStatusThread = [this] { statusCalls << int(mouse.frames.size()); };
        port.startStatusThread = [this] { statusCalls << -1 - int(mouse.frames.size()); };
        session.setMousePort(std::move(port));
    }
    // The working settings, changed as a panel would.
    ConfigData& working()
    {
        ConfigData* state = nullptr;
        session.edit([&state](ConfigData& working) { state = &working; });
        return *state;
    }
    const ConfigData& saved() const { return session.saved(); }
    void setActive(int iSlot, const QString& name)
    {
        working().ProfileID = quint8(iSlot);
        working().slotProfileNames[iSlot] = name;
    }
    // A profile file whose scroll speed marks it.
    void storeProfile(const QString& name, int iMarker)
    {
        ProfileData record;
        record.scrollspeed = quint8(iMarker);
        record.ProfileName = name;
        saveProfile(record, profileFilePath(name), profileGroup());
    }
    void listProfiles(const QStringList& names)
    {
        profileList = names;
        saveProfileList(names);
    }
};
