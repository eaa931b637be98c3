#pragma once

#include "app/profilebar/ProfileBarDialogs.h"
#include "session/SettingsSession.h"

#include <QStringList>

class ProfileBarWindow;

// The commands of the profile bar: the library of profile files and the five slots, the configuration
// files, reset, and the commands that end an edit. Each entry point is one command; a refused command
// shows its box and changes nothing. GUI thread only.
class ProfileCommands
{
public:
    // `profileList` is the window's library of names, kept in PROFILE_LIST order.
    ProfileCommands(SettingsSession& session, QStringList& profileList, ProfileBarWindow& window,
                    ProfileBarDialogs dialogs = defaultProfileBarDialogs());

    void add();
    void remove();
    void copy();
    void rename(const QString& strNewName);
    void chooseProfile(const QString& strName);
    void importProfile();
    void exportProfile();
    void loadConfiguration();
    void saveConfiguration();
    void reset();
    void resetAll();
    void apply();
    void ok();
    void cancel();
    // The slot menu and the slot indicators: the mouse switches to the slot and is given its settings.
    quint8 switchSlot(int iSlot);

    // The write-out with its progress dialog; reports a failure and returns the device result.
    quint8 writeOut();
    // The box for a write to the mouse that did not land (result 5 or a device failure).
    void reportWriteFailure(quint8 iResult);

private:
    ProfileData& activeRecord();
    QString activeName() const;
    void setActiveName(const QString& strName);
    bool usedByOtherSlot(const QString& strName) const;
    int replacementIndex(int iRemoved) const;
    void loadIntoActive(const QString& strName);
    void storeProfileList();
    void listSlotNames();
    void inform(const QString& strText);
    bool confirm(const QString& strText);
    void informFileFailure();

    SettingsSession& m_Session;
    QStringList& m_ProfileList;
    ProfileBarWindow& m_Window;
    ProfileBarDialogs m_Dialogs;
};
