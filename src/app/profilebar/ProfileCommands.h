#pragma once

#include "app/profilebar/ProfileBarDialogs.h"
#include "app/profilebar/WorkingConfigStore.h"
#include "app/shell/AppState.h"

#include <QStringList>

class ProfileBarWindow;
struct WriteProfileContext;

// The commands of the profile bar: the library of profile files and the five slots, the configuration
// files, reset, and the commands that end an edit. Each entry point is one command; a refused command
// shows its box and changes nothing. GUI thread only.
class ProfileCommands
{
public:
    // `profileList` is the window's library of names, kept in PROFILE_LIST order.
    ProfileCommands(AppState& state, WriteProfileContext& context, QStringList& profileList, ProfileBarWindow& window,
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

    // The write-out with its progress dialog; reports a failure and returns the dialog's result byte.
    quint8 writeOut();
    // To be called after savedConfig was loaded from the files: the first write-out then rewrites only
    // the profile files whose records changed.
    void configLoaded() { m_Store.remember(m_State.savedConfig); }
    const WorkingConfigStore& store() const { return m_Store; }

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

    AppState& m_State;
    WriteProfileContext& m_Context;
    QStringList& m_ProfileList;
    ProfileBarWindow& m_Window;
    ProfileBarDialogs m_Dialogs;
    WorkingConfigStore m_Store;
};
