#pragma once

#include <QHash>
#include <QLocalServer>
#include <QObject>
#include <QStringList>

#include <functional>
#include <optional>

class QLocalSocket;

// Requests from later starts of the program (and from other local tools) to the running one, over the
// local socket named by instanceServerName().
//
// Wire form: UTF-8 text, one request per line, any number of requests on one connection, answered in order.
//     request:  <kind>[ <argument>]\n       kind: lower-case letters, digits and '-'; the argument is the
//                                          rest of the line
//     answer:   zero or more text lines, then one line that is exactly "ok" or "error <reason>"
// Answer text lines are never exactly "ok" and never begin with "error ". An unknown kind is answered
// "error unknown request <kind>"; a line longer than kMaxLineBytes closes the connection. A client may also
// stay connected without asking anything: the connection closes when the program ends.
//
// A feed kind answers "ok" (or "error <reason>") and then sends text lines for as long as the client stays
// connected; the client asks nothing more on that connection (what it sends is dropped).
//
// Kinds the program registers: "activate" (no argument): show the window and bring it to the front; the
// osken-ctl kinds of ctl/CtlChannel.h.
namespace platform {

struct InstanceAnswer
{
    bool bOk = true;
    QStringList lines;
    QString error; // the reason, when not ok

    static InstanceAnswer ok(QStringList lines = {}) { return {true, std::move(lines), {}}; }
    static InstanceAnswer failed(QString reason) { return {false, {}, std::move(reason)}; }
};

// Runs on the GUI thread with the request's argument; must not wait for the user (queue such work).
using InstanceHandler = std::function<InstanceAnswer(const QString& argument)>;
// Sends one line to a feed's client; false once the client is gone (or was cut off for not reading).
using InstanceFeed = std::function<bool(const QString& line)>;
// Answers a feed request; when the answer is ok, `feed` may be kept and used until it returns false.
using InstanceFeedHandler = std::function<InstanceAnswer(const QString& argument, InstanceFeed feed)>;

class InstanceServer : public QObject
{
    Q_OBJECT

public:
    static constexpr int kMaxLineBytes = 4096;
    // A feed's client that lets this much go unread is cut off.
    static constexpr qint64 kMaxUnreadBytes = 1 << 20;

    explicit InstanceServer(QObject* parent = nullptr);
    // Takes the name over from a program that did not end cleanly: the caller holds the single-instance
    // lock, so no live instance listens there.
    [[nodiscard]] bool listen(const QString& name);
    void registerRequest(const QString& kind, InstanceHandler handler);
    void registerFeed(const QString& kind, InstanceFeedHandler handler);

private:
    void acceptClients();
    void serve(QLocalSocket* client);
    // True when the client became a feed and asks nothing more.
    bool startFeed(QLocalSocket* client, const QString& kind, const QString& argument);

    QLocalServer m_server;
    QHash<QString, InstanceHandler> m_handlers;
    QHash<QString, InstanceFeedHandler> m_feeds;
};

// Sends one request line to the running instance and returns its answer; nothing when no instance answered
// within the time (it may still be starting: connecting is retried until then).
std::optional<InstanceAnswer> askRunningInstance(const QString& serverName, const QString& request,
                                                 int iTimeoutMs = 3000);

} // namespace platform
