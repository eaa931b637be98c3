#include "EditCommands.h"

#include "ChangeCommand.h"
#include "MouseConnection.h"
#include "SettingsSource.h"
#include "session/SettingsSession.h"
#include "session/SlotEdits.h"

int runChange(const CtlRequest& request, CtlServices& services, QTextStream& err)
{
    if (!prepareSettings()) {
        err << "osken-ctl: the program-wide settings could not be stored\n";
        return CtlExit::CantCreate;
    }
    SettingsSession session;
    session.load();
    MouseConnection mouse(services.makeBackend());
    QString noMouse;
    const bool bOpen = mouse.open(currentProductRules().productName, noMouse);
    session.setMousePort(mouse.port());
    return runChangeOn(request, {session, bOpen, noMouse, services.pointerSpeed}, err);
}
