#include "app/shell/MousecfgWidget.h"

#include "ctl/ChangeCommand.h"
#include "store/AppSettings.h"

int MousecfgWidget::runScriptedChange(const CtlRequest& request, QTextStream& err)
{
    const bool bOpen = m_Services.link->hasCommandHandle();
    // The words osken-ctl uses when it finds no mouse itself.
    const QString noMouse = QStringLiteral("no mouse \"%1\" found").arg(readCurrentProductName());
    const int iExit = runChangeOn(request, {m_Session, bOpen, noMouse, m_Services.pointerSpeed.get()}, err);
    // As after a change made here: the panels, the slot and the marks show the settings as they are now.
    showActiveSlot();
    refreshEditors();
    rebuildProfileMenu();
    if (request.command != CtlCommand::Profile && iExit == CtlExit::Done)
        showSavedConfirmation();
    return iExit;
}
