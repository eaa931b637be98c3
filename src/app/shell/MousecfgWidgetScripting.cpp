#include "app/shell/MousecfgWidget.h"

#include "ctl/ChangeCommand.h"
#include "ctl/MouseCommands.h"
#include "ctl/SettingsSource.h"

namespace {

// The words osken-ctl uses when it finds no mouse itself.
QString noMouseText()
{
    return QStringLiteral("no mouse \"%1\" found").arg(chosenProduct(std::nullopt));
}

} // namespace

int MousecfgWidget::runScriptedChange(const CtlRequest& request, QTextStream& err)
{
    const bool bOpen = m_Services.link->hasCommandHandle();
    const int iExit = runChangeOn(request, {m_Session, bOpen, noMouseText(), m_Services.pointerSpeed.get()}, err);
    // As after a change made here: the panels, the slot and the marks show the settings as they are now.
    showActiveSlot();
    refreshEditors();
    rebuildProfileMenu();
    if (request.command != CtlCommand::Profile && iExit == CtlExit::Done)
        showSavedConfirmation();
    return iExit;
}

int MousecfgWidget::runScriptedApply(const CtlRequest& request, QTextStream& err)
{
    DeviceLink& link = *m_Services.link;
    const bool bOpen = link.hasCommandHandle();
    // The status thread would read the echoes the write waits for.
    if (bOpen)
        stopStatusThread();
    const int iExit = runApplyOn(
        PendingSettingsFile(request.file, chosenProduct(std::nullopt)), link,
        [bOpen](QString& error) {
            error = noMouseText();
            return bOpen;
        },
        err);
    if (bOpen)
        startStatusThread();
    // The mouse no longer holds the stored settings: Apply is marked for the full write.
    refreshUnappliedMarks();
    return iExit;
}
