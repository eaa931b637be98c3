#include "app/profilebar/ProfileCommands.h"

#include "app/profilebar/ProfileBarWindow.h"
#include "look/UiText.h"
#include "store/AppSettings.h"
#include "store/ConfigFiles.h"
#include "store/ProfileFiles.h"
#include "store/ProfileList.h"

#include <QFile>
#include <QFileInfo>
#include <QUuid>

namespace {

// Exports beside the target first, then puts the copy in its place, so a failed copy leaves the file the
// user chose to replace as it was.
ProfileFileResult replaceWithExport(const QString& name, const QString& targetPath)
{
    const QString partial =
        targetPath + QStringLiteral(".") + QUuid::createUuid().toString(QUuid::WithoutBraces) + QStringLiteral(".part");
    const ProfileFileResult result = exportProfileFile(name, partial);
    if (result != ProfileFileResult::Done) {
        QFile::remove(partial);
        return result;
    }
    if (!QFile::remove(targetPath) || !QFile::rename(partial, targetPath)) {
        QFile::remove(partial);
        return ProfileFileResult::FileError;
    }
    return ProfileFileResult::Done;
}

} // namespace

void ProfileCommands::importProfile()
{
    const QString path =
        m_Dialogs.openFile(m_Window.dialogParent(), uiText("Load Profile File"), uiText("Profile File(*.prof)"));
    if (path.isEmpty())
        return;
    QString baseName = QFileInfo(path).fileName();
    if (baseName.endsWith(QLatin1String(".prof"), Qt::CaseInsensitive))
        baseName.chop(5);
    if (m_ProfileList.contains(baseName)) {
        inform(uiText("Profile Exist!"));
        return;
    }
    QString name;
    const ProfileFileResult result = importProfileFile(path, name);
    if (result != ProfileFileResult::Done) {
        inform(uiText(profileFileMessage(result)));
        return;
    }
    m_ProfileList.append(name);
    storeProfileList();
    m_Window.rebuildProfileMenu(m_ProfileList);
    loadIntoActive(name);
    m_Window.refreshEditors();
    setActiveName(name);
    m_Window.showActiveSlot();
    writeOut();
}

void ProfileCommands::exportProfile()
{
    const QString path =
        m_Dialogs.saveFile(m_Window.dialogParent(), uiText("Save Profile File"), uiText("Profile File(*.prof)"));
    if (path.isEmpty())
        return;
    const QString name = activeName();
    // A profile never stored yet is stored first, so that there is a file to export.
    if (!QFileInfo::exists(profileFilePath(name)) &&
        !saveProfile(activeRecord(), profileFilePath(name), profileGroup())) {
        informFileFailure();
        return;
    }
    // The save dialog has asked whether to replace an existing file: the answer was yes.
    const ProfileFileResult result =
        QFileInfo::exists(path) ? replaceWithExport(name, path) : exportProfileFile(name, path);
    if (result != ProfileFileResult::Done)
        informFileFailure();
}

void ProfileCommands::loadConfiguration()
{
    const QString path =
        m_Dialogs.openFile(m_Window.dialogParent(), uiText("Load Config File"), uiText("Config File(*.conf)"));
    if (path.isEmpty())
        return;
    // Not silently ignored: the user asked for this file and must learn why nothing happens.
    ConfigData loaded = m_Session.saved();
    const ProfileFileResult result = importConfig(loaded, path, readCurrentProductName());
    if (result != ProfileFileResult::Done) {
        inform(uiText(profileFileMessage(result, true)));
        return;
    }
    m_Session.adopt(loaded);
    listSlotNames();
    m_Window.showLoadedConfiguration();
    m_Window.refreshEditors();
    m_Window.showActiveSlot();
    // Working and saved are now equal; the loaded settings still have to reach the mouse, all of them.
    m_Session.requestFullWrite();
    writeOut();
}

void ProfileCommands::saveConfiguration()
{
    const QString path =
        m_Dialogs.saveFile(m_Window.dialogParent(), uiText("Save Config File"), uiText("Config File(*.conf)"));
    if (path.isEmpty())
        return;
    if (!writeMouseName(path, readCurrentProductName()) || !exportConfig(m_Session.working(), path))
        informFileFailure();
}
