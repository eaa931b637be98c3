#pragma once

#include "ProfileBarFakes.h"
#include "TestDataHome.h"

#include "app/profilebar/ProfileCommands.h"
#include "device/protocol/WriteProfileSet.h"
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
    AppState state;
    RecordingSender mouse;
    WriteProfileContext context;
    QStringList profileList;
    FakeProfileBarWindow window;
    DialogAnswers answers;
    std::unique_ptr<ProfileCommands> commands;

    CommandRig()
    {
        writeCurrentProductName("OSKEN R5");
        writeDiff(0);
        loadConfig(state.savedConfig);
        state.workingConfig = state.savedConfig;
        profileList = loadProfileList();
        context.send = mouse.sender();
        commands = std::make_unique<ProfileCommands>(state, context, profileList, window, answers.dialogs());
    }

    ConfigData& working() { return state.workingConfig; }
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
