#pragma once

#include "ctl/MouseCommands.h"
#include "ctl/MouseEvents.h"
#include "platform/InstanceChannel.h"

#include <QObject>

#include <vector>

class MousecfgWidget;

// osken-ctl's requests to the running window (ctl/CtlChannel.h): its changes run on the window's settings,
// and its watch hears the window's status handling, so the window stays the one owner of the receiver.
class CtlRequests : public QObject
{
    Q_OBJECT

public:
    CtlRequests(MousecfgWidget& window, platform::InstanceServer& server);

private:
    platform::InstanceAnswer runCommand(const QString& argument);
    int status(const CtlRequest& request, QTextStream& out, QTextStream& err) const;
    platform::InstanceAnswer startWatch(const QString& argument, platform::InstanceFeed feed);
    void send(const std::vector<MouseEvent>& events);

    struct Listener
    {
        platform::InstanceFeed feed;
        bool bJson = false;
    };

    MousecfgWidget& m_Window;
    MouseEventLog m_Events;
    StatusHeard m_Heard; // since the mouse was last plugged
    std::vector<Listener> m_Listeners;
};
