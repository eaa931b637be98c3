#include "app/profilebar/ProfileCommands.h"

#include "app/profilebar/OrnProcessDialog.h"
#include "app/profilebar/OrnProcessThread.h"
#include "app/profilebar/ProfileBarWindow.h"
#include "device/Frame.h"
#include "log/Log.h"
#include "look/UiText.h"
#include "store/ProfileDefaults.h"

#include <QtDebug>

quint8 ProfileCommands::writeOut()
{
    OrnProcessDialog dialog(m_Context, m_State.workingConfig, m_State.savedConfig, m_State.mouseAsleep, &m_Store);
    OrnProcessThread thread;
    QObject::connect(&thread, &OrnProcessThread::DoProcessDlg, &dialog, &OrnProcessDialog::slotProcessDlg,
                     Qt::QueuedConnection);
    thread.start();
    const int iAccepted = dialog.exec();
    // It only emitted its one signal; it must have ended before it is destroyed.
    thread.wait();
    const quint8 iResult = dialog.resultByte();
    if (iAccepted == 1 && iResult != DeviceResult::Done) {
        const QString text = iResult == DeviceResult::Asleep ? uiText("Mouse is sleeping or not connected.")
                                                             : uiText("Send data failed, please try again.");
        m_Dialogs.message(ProfileBarMessage::Confirm, text, m_Window.dialogParent());
    }
    return iResult;
}

void ProfileCommands::reset()
{
    if (!confirm(uiText("Are you sure you want reset this profile?")))
        return;
    const int iSlot = activeSlotIndex(m_State.workingConfig);
    qCDebug(lcApp, "Accepted %d", iSlot);
    ProfileData& record = activeRecord();
    const QString name = record.ProfileName;
    setProfileDefaults(record);
    record.ProfileName = name;
    m_Window.setTexts();
    m_Window.refreshEditors();
    m_Window.showActiveSlot();
    writeOut();
}

void ProfileCommands::resetAll()
{
    if (!confirm(uiText("Are you sure you want reset all profiles?")))
        return;
    resetAllProfiles(m_State.workingConfig);
    for (int i = 0; i < kSlotCount; ++i)
        m_State.workingConfig.slot(i).ProfileName = m_State.workingConfig.slotProfileNames[i];
    listSlotNames();
    m_Window.refreshEditors();
    m_Window.showActiveSlot();
    writeOut();
}

void ProfileCommands::apply()
{
    m_Window.collectEditorState(activeRecord());
    writeOut();
}

void ProfileCommands::ok()
{
    writeOut();
    m_Window.hideWindow();
}

void ProfileCommands::cancel()
{
    m_Window.hideWindow();
    m_Window.selectSlot(activeSlotIndex(m_State.workingConfig), true);
}
