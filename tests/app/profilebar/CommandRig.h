#pragma once

#include "../InstantBackend.h"
#include "ProfileBarFakes.h"
#include "RecordingSender.h"
#include "TestDataHome.h"

#include "app/profilebar/ProfileCommands.h"
#include "device/link/DeviceLink.h"
#include "hid/sim/VirtualReceiver.h"
#include "session/SettingsSession.h"
#include "store/AppSettings.h"
#include "store/ConfigFiles.h"
#include "store/ProfileFiles.h"
#include "store/ProfileList.h"

#include <QDir>

#include <memory>

// The profile commands over a fresh data folder for "OSKEN R5": the five default profiles listed, the
// settings as loaded at start, a recording mouse, a fake window and answered dialogs.
struct CommandRig
{
    TestDataHome home;
    RecordingSender mouse;
    bool asleep = false;
    SettingsSession session;
    QStringList profileList;
    FakeProfileBarWindow window;
    DialogAnswers answers;
    std::unique_ptr<ProfileCommands> commands;

    CommandRig()
    {
        writeCurrentProductName("OSKEN R5");
        writeDiff(0);
        MousePort port;
        port.send = mouse.sender();
        port.isAwake = [this] { return !asleep; };
        session.setMousePort(std::move(port));
        session.load();
        profileList = loadProfileList();
        commands = std::make_unique<ProfileCommands>(session, profileList, window, answers.dialogs());
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
    // A file outside the data folder, where the user keeps exchanged files.
    QString exchangePath(const QString& name) const
    {
        QDir().mkpath(home.path() + "/exchange");
        return home.path() + "/exchange/" + name;
    }
    void listProfiles(const QStringList& names)
    {
        profileList = names;
        saveProfileList(names);
    }
};

// The commands writing to the virtual mouse through the verified write.
struct VirtualRig : CommandRig
{
    VirtualReceiver* receiver = new VirtualReceiver;
    qint64 iClockMs = 0;
    DeviceLink link{std::make_unique<InstantBackend>(receiver, &iClockMs)};
    int iSent = 0;
    int iUnplugAt = -1;

    VirtualRig()
    {
        link.setClock({[this] { return iClockMs; }, [this](int ms) { iClockMs += ms; }});
        receiver->setEchoLatency(0);
        link.InitDeviceTable();
        link.EnumerateDevices();
        link.OpenDevice("OSKEN R5");
        // The ports as the window builds them: a fresh battery query before each write, real echoes counted.
        MousePort port;
        port.send = [this, send = link.sender()](const Frame& frame) {
            // The receiver is pulled out while the write runs.
            if (iSent++ == iUnplugAt)
                receiver->unplug();
            return send(frame);
        };
        port.isAwake = [this] { return link.askBatteryState() == MouseWake::Awake; };
        port.echoedFrames = [this] { return link.echoedFrames(); };
        port.statusReportsMet = [this] { return link.statusRelay().statusReports(); };
        session.setMousePort(std::move(port));
    }
};
