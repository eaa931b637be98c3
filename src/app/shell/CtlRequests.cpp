#include "app/shell/CtlRequests.h"

#include "app/shell/MousecfgWidget.h"
#include "ctl/CtlChannel.h"
#include "ctl/SettingsSource.h"
#include "store/AppSettings.h"

#include <QTextStream>

CtlRequests::CtlRequests(MousecfgWidget& window, platform::InstanceServer& server) : QObject(&window), m_Window(window)
{
    (void)m_Events.plugged(window.deviceLink().hasCommandHandle());
    server.registerRequest(ctlchannel::kCommandKind, [this](const QString& argument) { return runCommand(argument); });
    server.registerFeed(ctlchannel::kWatchKind, [this](const QString& argument, platform::InstanceFeed feed) {
        return startWatch(argument, std::move(feed));
    });
    connect(&window, &MousecfgWidget::batteryHeardSignal, this, [this](quint8 iCharge, quint8 iLow, quint8 iHigh) {
        m_Heard.battery = BatteryReply{iLow, iHigh, iCharge, 0};
        send(m_Events.battery(iCharge, iLow, iHigh));
    });
    connect(&window, &MousecfgWidget::mousePluggedSignal, this, [this](bool bPlugged) {
        std::vector<MouseEvent> events = m_Events.plugged(bPlugged);
        if (!events.empty())
            m_Heard = {};
        send(events);
    });
    connect(&window, &MousecfgWidget::statusTakenSignal, this, [this](const MouseChange& change) {
        const SettingsSession& session = m_Window.session();
        const ProfileData& active = session.working().activeSlot();
        m_Heard.status = StatusReport{quint8(session.activeSlot()), active.dpi, active.pollrate, 0};
        send(MouseEventLog::status(change, session.activeSlot(), active, readSensorModel()));
    });
}

platform::InstanceAnswer CtlRequests::runCommand(const QString& argument)
{
    QString refusal;
    const std::optional<QStringList> arguments = ctlchannel::commandArguments(argument, refusal);
    if (!arguments)
        return platform::InstanceAnswer::failed(refusal);
    CtlRequest request;
    QString out;
    QString err;
    QTextStream outStream(&out);
    QTextStream errStream(&err);
    int iExit = CtlExit::Usage;
    if (!parseCtlArguments(*arguments, request, refusal))
        errStream << "osken-ctl: " << refusal << "\n";
    else if (request.changes())
        iExit = m_Window.runScriptedChange(request, errStream);
    else if (request.command == CtlCommand::Apply)
        iExit = m_Window.runScriptedApply(request, errStream);
    else if (request.command == CtlCommand::Status)
        iExit = status(request, outStream, errStream);
    else
        return platform::InstanceAnswer::failed(QStringLiteral("not a command the window runs"));
    outStream.flush();
    errStream.flush();
    return ctlchannel::commandAnswer(out, err, iExit);
}

int CtlRequests::status(const CtlRequest& request, QTextStream& out, QTextStream& err) const
{
    // What the window's status handling heard: asking the mouse here would take its answers from the window.
    if (!m_Window.deviceLink().hasCommandHandle()) {
        err << "osken-ctl: no mouse \"" << chosenProduct(std::nullopt) << "\" found\n";
        return CtlExit::NoDevice;
    }
    return printStatus(request, m_Heard, out, err);
}

platform::InstanceAnswer CtlRequests::startWatch(const QString& argument, platform::InstanceFeed feed)
{
    QString refusal;
    const std::optional<bool> bJson = ctlchannel::watchJson(argument, refusal);
    if (!bJson)
        return platform::InstanceAnswer::failed(refusal);
    // The first lines come after the answer: the feed is queued behind it.
    QMetaObject::invokeMethod(
        this,
        [this, listener = Listener{std::move(feed), *bJson}] {
            for (const MouseEvent& event : m_Events.current()) {
                if (!listener.feed(event.line(listener.bJson).chopped(1)))
                    return;
            }
            m_Listeners.push_back(listener);
        },
        Qt::QueuedConnection);
    return platform::InstanceAnswer::ok();
}

void CtlRequests::send(const std::vector<MouseEvent>& events)
{
    for (const MouseEvent& event : events) {
        auto gone = std::remove_if(m_Listeners.begin(), m_Listeners.end(), [&event](const Listener& listener) {
            return !listener.feed(event.line(listener.bJson).chopped(1));
        });
        m_Listeners.erase(gone, m_Listeners.end());
    }
}
