#include "app/profilebar/ProfileCommands.h"

#include "app/profilebar/OrnProcessDialog.h"
#include "app/profilebar/OrnProcessThread.h"
#include "app/profilebar/ProfileBarWindow.h"
#include "device/Frame.h"
#include "log/Log.h"
#include "look/UiText.h"

#include <QtDebug>

quint8 ProfileCommands::writeOut()
{
    OrnProcessDialog dialog(m_Session);
    OrnProcessThread thread;
    QObject::connect(&thread, &OrnProcessThread::DoProcessDlg, &dialog, &OrnProcessDialog::slotProcessDlg,
                     Qt::QueuedConnection);
    thread.start();
    const int iAccepted = dialog.exec();
    // It only emitted its one signal; it must have ended before it is destroyed.
    thread.wait();
    const WriteOutcome& outcome = dialog.outcome();
    if (iAccepted != 1)
        return outcome.result;
    m_Window.showWriteOutcome(outcome.landed());
    if (!outcome.missingMacros.isEmpty())
        inform(uiText("Macro not found: %1").arg(outcome.missingMacros.join(QStringLiteral(", "))));
    else if (outcome.result != DeviceResult::Done)
        reportWriteFailure(outcome.result);
    else if (!outcome.filesStored)
        inform(uiText("The settings could not be saved."));
    return outcome.result;
}

void ProfileCommands::reportWriteFailure(quint8 iResult)
{
    if (iResult == DeviceResult::Done)
        return;
    const QString text = iResult == DeviceResult::Asleep ? uiText("Mouse is sleeping or not connected.")
                                                         : uiText("Send data failed, please try again.");
    inform(text);
}

void ProfileCommands::reset()
{
    if (!confirm(uiText("Are you sure you want reset this profile?")))
        return;
    qCDebug(lcApp, "Accepted %d", m_Session.activeSlot());
    m_Session.resetSlot(m_Session.activeSlot());
    m_Window.setTexts();
    m_Window.refreshEditors();
    m_Window.showActiveSlot();
    writeOut();
}

void ProfileCommands::resetAll()
{
    if (!confirm(uiText("Are you sure you want reset all profiles?")))
        return;
    m_Session.resetAll();
    listSlotNames();
    m_Window.refreshEditors();
    m_Window.showActiveSlot();
    writeOut();
}

void ProfileCommands::apply()
{
    writeOut();
}

void ProfileCommands::ok()
{
    writeOut();
    m_Window.hideWindow();
}

quint8 ProfileCommands::switchSlot(int iSlot)
{
    const quint8 iResult = m_Session.switchSlot(iSlot);
    if (iResult != DeviceResult::Done) {
        reportWriteFailure(iResult);
        return iResult;
    }
    return writeOut();
}

void ProfileCommands::cancel()
{
    m_Window.hideWindow();
    m_Window.selectSlot(m_Session.activeSlot(), true);
}
