#include "app/profilebar/ProfileCommands.h"

#include "app/profilebar/ProfileBarWindow.h"
#include "look/UiText.h"
#include "store/ConfigFiles.h"
#include "store/DataPaths.h"
#include "store/NameSafety.h"
#include "store/ProfileDefaults.h"
#include "store/ProfileFiles.h"
#include "store/ProfileList.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

ProfileCommands::ProfileCommands(SettingsSession& session, QStringList& profileList, ProfileBarWindow& window,
                                 ProfileBarDialogs dialogs)
    : m_Session(session), m_ProfileList(profileList), m_Window(window), m_Dialogs(std::move(dialogs))
{
}

ProfileData& ProfileCommands::activeRecord()
{
    return m_Session.activeRecord();
}

QString ProfileCommands::activeName() const
{
    return m_Session.slotName(m_Session.activeSlot());
}

void ProfileCommands::setActiveName(const QString& strName)
{
    m_Session.edit(
        [&strName](ConfigData& working) { working.slotProfileNames[working.ProfileID % kSlotCount] = strName; });
}

bool ProfileCommands::usedByOtherSlot(const QString& strName) const
{
    const ConfigData& working = m_Session.working();
    const int iActive = m_Session.activeSlot();
    for (int i = 0; i < kSlotCount; ++i) {
        if (i != iActive && working.slotProfileNames[i] == strName)
            return true;
    }
    return false;
}

int ProfileCommands::replacementIndex(int iRemoved) const
{
    const int iCount = m_ProfileList.size();
    const auto usable = [&](int i) { return i != iRemoved && !usedByOtherSlot(m_ProfileList[i]); };
    // The entry after the removed one (the one before it for the last entry), then towards the start;
    // past the start, the entries after the first candidate.
    const int iFirst = iRemoved == iCount - 1 ? iCount - 2 : iRemoved + 1;
    for (int i = iFirst; i >= 0; --i) {
        if (usable(i))
            return i;
    }
    for (int i = iFirst + 1; i < iCount; ++i) {
        if (usable(i))
            return i;
    }
    return -1;
}

void ProfileCommands::loadIntoActive(const QString& strName)
{
    const QString path = profileFilePath(strName);
    // A listed profile that was never stored gets the product defaults, as at start.
    if (QFileInfo::exists(path))
        loadProfile(activeRecord(), path, profileGroup());
    else
        setProfileDefaults(activeRecord());
    activeRecord().ProfileName = strName;
}

void ProfileCommands::storeProfileList()
{
    if (!saveProfileList(m_ProfileList))
        informFileFailure();
}

// Slot names that a reset or a loaded configuration brought along join the library.
void ProfileCommands::listSlotNames()
{
    bool bChanged = false;
    for (const QString& name : m_Session.working().slotProfileNames) {
        if (isValidProfileName(name) && !m_ProfileList.contains(name)) {
            m_ProfileList.append(name);
            bChanged = true;
        }
    }
    if (bChanged) {
        storeProfileList();
        m_Window.rebuildProfileMenu(m_ProfileList);
    }
}

void ProfileCommands::inform(const QString& strText)
{
    m_Dialogs.message(ProfileBarMessage::Inform, strText, m_Window.dialogParent());
}

bool ProfileCommands::confirm(const QString& strText)
{
    return m_Dialogs.message(ProfileBarMessage::Confirm, strText, m_Window.dialogParent()) == 1;
}

void ProfileCommands::informFileFailure()
{
    inform(uiText("The settings could not be saved."));
}

void ProfileCommands::add()
{
    // The first "Profile n" that is neither a file nor a name in use: at first start the default profiles
    // are listed before they have files, and a second entry of one name would share its file.
    QString name;
    for (int n = 1; name.isEmpty(); ++n) {
        const QString candidate = QStringLiteral("Profile %1").arg(n);
        if (!QFileInfo::exists(profileFilePath(candidate)) && !m_ProfileList.contains(candidate) &&
            !usedByOtherSlot(candidate) && candidate != activeName())
            name = candidate;
    }
    const bool bHaveDefaults = QFileInfo::exists(defaultProfilePath()) || writeDefaultProfileFile();
    if (!bHaveDefaults || !QDir().mkpath(profileDirectory()) ||
        !QFile::copy(defaultProfilePath(), profileFilePath(name))) {
        informFileFailure();
        return;
    }
    m_ProfileList.append(name);
    storeProfileList();
    setActiveName(name);
    m_Window.showActiveSlot();
    m_Window.rebuildProfileMenu(m_ProfileList);
    loadIntoActive(name);
    m_Window.refreshEditors();
}

void ProfileCommands::remove()
{
    if (m_ProfileList.size() < 2) {
        inform(uiText("AT LEAST ONE PROFILE TO BE RETAINED."));
        return;
    }
    const QString name = activeName();
    if (isDefaultProfileName(name)) {
        inform(uiText("The default Profile cannot be deleted or renamed."));
        return;
    }
    const int iRemoved = m_ProfileList.indexOf(name);
    const int iReplacement = replacementIndex(iRemoved);
    // Every other entry is held by another slot: the active slot would be left without a profile.
    if (iReplacement < 0) {
        inform(uiText("AT LEAST ONE PROFILE TO BE RETAINED."));
        return;
    }
    if (!confirm(uiText("Are you sure you want delete this profile?")))
        return;
    if (deleteProfileFile(name) != ProfileFileResult::Done) {
        informFileFailure();
        return;
    }
    const QString replacement = m_ProfileList[iReplacement];
    if (iRemoved >= 0)
        m_ProfileList.removeAt(iRemoved);
    setActiveName(replacement);
    m_Window.showActiveSlot();
    storeProfileList();
    m_Window.rebuildProfileMenu(m_ProfileList);
    loadIntoActive(replacement);
    m_Window.refreshEditors();
}

void ProfileCommands::copy()
{
    const QString source = activeName();
    QString target;
    if (QFileInfo::exists(profileFilePath(source))) {
        if (copyProfileFile(source, target) != ProfileFileResult::Done) {
            informFileFailure();
            return;
        }
    } else {
        // Never stored yet: the copy is made of the record the slot holds.
        target = copyTargetName(source);
        ProfileData record = activeRecord();
        record.ProfileName = target;
        if (!isValidProfileName(target) || !saveProfile(record, profileFilePath(target), profileGroup())) {
            informFileFailure();
            return;
        }
    }
    m_ProfileList.append(target);
    setActiveName(target);
    activeRecord().ProfileName = target;
    m_Window.showActiveSlot();
    storeProfileList();
    m_Window.rebuildProfileMenu(m_ProfileList);
}

void ProfileCommands::rename(const QString& strNewName)
{
    const QString oldName = activeName();
    if (isDefaultProfileName(oldName)) {
        inform(uiText("The default Profile cannot be deleted or renamed."));
        m_Window.showActiveSlot();
        return;
    }
    if (!isValidProfileName(strNewName)) {
        inform(uiText("Please input file name."));
        m_Window.showActiveSlot();
        return;
    }
    // A listed name without a file is taken as well: two entries of one name would share one file.
    if (QFileInfo::exists(profileFilePath(strNewName)) || m_ProfileList.contains(strNewName) ||
        usedByOtherSlot(strNewName)) {
        inform(uiText("Profile Exist!"));
        return;
    }
    if (renameProfileFile(oldName, strNewName) != ProfileFileResult::Done) {
        informFileFailure();
        m_Window.showActiveSlot();
        return;
    }
    const int iIndex = m_ProfileList.indexOf(oldName);
    if (iIndex >= 0)
        m_ProfileList[iIndex] = strNewName;
    else
        m_ProfileList.append(strNewName);
    setActiveName(strNewName);
    activeRecord().ProfileName = strNewName;
    m_Window.showActiveSlot();
    m_Window.rebuildProfileMenu(m_ProfileList);
    // The list too: after a restart the library must not name the old, moved file.
    storeProfileList();
    if (!saveSlotAssignment(m_Session.working()))
        informFileFailure();
}

void ProfileCommands::chooseProfile(const QString& strName)
{
    if (usedByOtherSlot(strName)) {
        inform(uiText("Profile is Already Used!"));
        return;
    }
    if (!isValidProfileName(strName))
        return;
    setActiveName(strName);
    m_Window.showActiveSlot();
    loadIntoActive(strName);
    m_Window.refreshEditors();
}
