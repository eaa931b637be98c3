#include "WindowProbe.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QThread>

#include <xcb/xcb.h>

#include <algorithm>
#include <poll.h>

namespace bench {

namespace {

QByteArray procFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

quint64 statusValue(const QByteArray& status, const QByteArray& name)
{
    const int at = status.indexOf(name + ':');
    if (at < 0)
        return 0;
    const int end = status.indexOf('\n', at);
    // "Pss:   45027 kB": the number before the unit.
    return status.mid(at + name.size() + 1, end - at - name.size() - 1).simplified().split(' ').value(0).toULongLong();
}

xcb_atom_t atom(xcb_connection_t* connection, const char* name)
{
    xcb_intern_atom_reply_t* reply =
        xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 0, quint16(qstrlen(name)), name), nullptr);
    const xcb_atom_t result = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    free(reply);
    return result;
}

qint64 windowPid(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t pidAtom)
{
    xcb_get_property_reply_t* reply = xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, window, pidAtom, XCB_ATOM_CARDINAL, 0, 1), nullptr);
    qint64 pid = -1;
    if (reply && xcb_get_property_value_length(reply) == 4)
        pid = *static_cast<const quint32*>(xcb_get_property_value(reply));
    free(reply);
    return pid;
}

} // namespace

// Watches the top-level windows of one X display.
class RootWatch
{
public:
    explicit RootWatch(const QString& display)
    {
        // A server that has just started (or closed a connection) may refuse a connection for a moment.
        for (int attempt = 0; attempt < 50; ++attempt) {
            m_connection = xcb_connect(display.toLocal8Bit().constData(), nullptr);
            if (!xcb_connection_has_error(m_connection))
                break;
            xcb_disconnect(m_connection);
            m_connection = nullptr;
            QThread::msleep(100);
        }
        if (!m_connection)
            return;
        m_root = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data->root;
        const quint32 mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(m_connection, m_root, XCB_CW_EVENT_MASK, &mask);
        m_pidAtom = atom(m_connection, "_NET_WM_PID");
        xcb_flush(m_connection);
    }
    ~RootWatch()
    {
        if (m_connection)
            xcb_disconnect(m_connection);
    }
    bool isValid() const { return m_connection && !xcb_connection_has_error(m_connection); }

    // Forgets the windows mapped so far.
    void drain()
    {
        while (xcb_generic_event_t* event = xcb_poll_for_event(m_connection))
            free(event);
    }

    // Waits for a top-level window of the process to be mapped; false when none is within timeoutMs.
    bool waitForMap(qint64 pid, int timeoutMs)
    {
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < timeoutMs) {
            while (xcb_generic_event_t* event = xcb_poll_for_event(m_connection)) {
                const bool bMapped = (event->response_type & 0x7F) == XCB_MAP_NOTIFY;
                const auto* map = reinterpret_cast<xcb_map_notify_event_t*>(event);
                const bool bOurs =
                    bMapped && !map->override_redirect && windowPid(m_connection, map->window, m_pidAtom) == pid;
                free(event);
                if (bOurs)
                    return true;
            }
            pollfd fd{xcb_get_file_descriptor(m_connection), POLLIN, 0};
            poll(&fd, 1, 10);
        }
        return false;
    }

    std::vector<xcb_window_t> windowsOf(qint64 pid)
    {
        std::vector<xcb_window_t> windows;
        xcb_query_tree_reply_t* tree =
            xcb_query_tree_reply(m_connection, xcb_query_tree(m_connection, m_root), nullptr);
        if (!tree)
            return windows;
        const xcb_window_t* children = xcb_query_tree_children(tree);
        for (int i = 0; i < xcb_query_tree_children_length(tree); ++i) {
            if (windowPid(m_connection, children[i], m_pidAtom) == pid)
                windows.push_back(children[i]);
        }
        free(tree);
        return windows;
    }

    xcb_connection_t* connection() const { return m_connection; }

private:
    xcb_connection_t* m_connection = nullptr;
    xcb_window_t m_root = 0;
    xcb_atom_t m_pidAtom = XCB_ATOM_NONE;
};

namespace {

QProcessEnvironment baseEnvironment(const QString& display, const QString& runtimeDir)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), display);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeDir);
    return env;
}

} // namespace

Display::Display()
{
    const QString given = qEnvironmentVariable("OSKEN_BENCH_DISPLAY");
    if (!given.isEmpty()) {
        m_name = given;
        m_watch = std::make_unique<RootWatch>(m_name);
        return;
    }
    // Xvfb picks a free display number and tells it on the descriptor named.
    m_server = std::make_unique<QProcess>();
    m_server->start(QStringLiteral("Xvfb"),
                    {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"), QStringLiteral("0"),
                     QStringLiteral("1280x900x24"), QStringLiteral("-nolisten"), QStringLiteral("tcp")});
    if (!m_server->waitForStarted(5000))
        return;
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 10000 && !m_server->canReadLine())
        m_server->waitForReadyRead(100);
    const QByteArray number = m_server->readLine().trimmed();
    if (!number.isEmpty()) {
        m_name = QLatin1Char(':') + QString::fromLatin1(number);
        m_watch = std::make_unique<RootWatch>(m_name);
    }
}

Display::~Display()
{
    m_watch.reset();
    if (m_server)
        stop(*m_server);
}

bool Display::isValid() const
{
    return m_watch && m_watch->isValid();
}

QString programFolder()
{
    const QString other = qEnvironmentVariable("OSKEN_BENCH_PROGRAMS");
    return other.isEmpty() ? QStringLiteral(OSKEN_BENCH_BIN_DIR) : other;
}

Program mainProgram(const QString& display, const QString& dataHome, const QString& runtimeDir)
{
    // The single-instance lock lives in the runtime folder: other copies of the program do not count.
    Program program{programFolder() + QStringLiteral("/osken-config"), {}, baseEnvironment(display, runtimeDir)};
    program.environment.insert(QStringLiteral("OSKEN_VIRTUAL_MOUSE"), QStringLiteral("1"));
    program.environment.insert(QStringLiteral("XDG_DATA_HOME"), dataHome);
    return program;
}

Program bareProgram(const QString& display, const QString& runtimeDir)
{
    return Program{QStringLiteral(OSKEN_BENCH_BIN_DIR "/bench_bare_window"),
                   {QStringLiteral(OSKEN_BENCH_BIN_DIR "/skin/cfgMainback.png")},
                   baseEnvironment(display, runtimeDir)};
}

Started startUntilMapped(Display& display, const Program& program, int timeoutMs)
{
    Started started;
    started.process = std::make_unique<QProcess>();
    RootWatch& watch = display.watch();
    watch.drain();
    started.process->setProcessEnvironment(program.environment);
    // The programs' diagnostics would drown the figures.
    started.process->setStandardOutputFile(QProcess::nullDevice());
    started.process->setStandardErrorFile(QProcess::nullDevice());
    QElapsedTimer clock;
    clock.start();
    started.process->start(program.path, program.arguments);
    if (!started.process->waitForStarted(5000))
        return started;
    if (watch.waitForMap(started.process->processId(), timeoutMs))
        started.mapMs = double(clock.nsecsElapsed()) / 1e6;
    return started;
}

void stop(QProcess& process)
{
    if (process.state() == QProcess::NotRunning)
        return;
    process.terminate();
    if (!process.waitForFinished(5000)) {
        process.kill();
        process.waitForFinished(5000);
    }
}

std::map<qint64, ThreadCounters> threadCounters(qint64 pid)
{
    std::map<qint64, ThreadCounters> counters;
    const QString taskFolder = QStringLiteral("/proc/%1/task").arg(pid);
    for (const QString& tid : QDir(taskFolder).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QByteArray status = procFile(taskFolder + QLatin1Char('/') + tid + QStringLiteral("/status"));
        const QByteArray schedstat = procFile(taskFolder + QLatin1Char('/') + tid + QStringLiteral("/schedstat"));
        ThreadCounters& c = counters[tid.toLongLong()];
        c.switches = statusValue(status, "voluntary_ctxt_switches") + statusValue(status, "nonvoluntary_ctxt_switches");
        c.cpuNs = schedstat.split(' ').value(0).toULongLong();
    }
    return counters;
}

ThreadCounters countersBetween(const std::map<qint64, ThreadCounters>& before,
                               const std::map<qint64, ThreadCounters>& after)
{
    ThreadCounters total;
    for (const auto& [tid, now] : after) {
        const auto earlier = before.find(tid);
        const ThreadCounters start = earlier == before.end() ? ThreadCounters{} : earlier->second;
        total.switches += now.switches - start.switches;
        total.cpuNs += now.cpuNs - start.cpuNs;
    }
    return total;
}

qint64 pssKb(qint64 pid)
{
    const QByteArray rollup = procFile(QStringLiteral("/proc/%1/smaps_rollup").arg(pid));
    return qint64(statusValue(rollup, "Pss"));
}

void unmapWindows(Display& display, qint64 pid)
{
    RootWatch& watch = display.watch();
    for (const xcb_window_t window : watch.windowsOf(pid))
        xcb_unmap_window(watch.connection(), window);
    xcb_flush(watch.connection());
}

} // namespace bench
