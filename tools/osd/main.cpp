#include "OsdBox.h"
#include "OsdServer.h"
#include "WindowMessages.h"

#include "log/Log.h"
#include "platform/OsdLink.h"
#include "platform/SingleInstance.h"

#include <QApplication>
#include <QDebug>

// The on-screen-display companion of osken-config: shows the short texts the main program sends.
int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);

    // A second copy, started while this one is coming up, leaves quietly.
    const std::unique_ptr<platform::SingleInstance> instance = platform::makeSingleInstance(platform::osdWindowTitle());
    if (!instance->acquire())
        return 0;

    OsdBox box;
    OsdServer server;
    QObject::connect(&server, &OsdServer::messageReceived, &box, &OsdBox::showMessage);
    // The window exists from the start, hidden, so the main program can find it by its title.
    receiveWindowMessages(box.winId(), [&box](const platform::OsdMessage& message) { box.showMessage(message); });
    if (!server.listen(platform::osdServerName())) {
        qCWarning(lcApp) << "OSD cannot listen under" << platform::osdServerName();
        return 1;
    }
    return app.exec();
}
