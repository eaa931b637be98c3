#include "device/status/StatusThreadRunner.h"
#include "log/Log.h"

#include <QDebug>

StatusThreadRunner::StatusThreadRunner(CommandPort& port, StatusTiming timing) : m_port(port), m_timing(timing) {}

StatusThreadRunner::~StatusThreadRunner()
{
    if (!stop())
        qCWarning(lcDevice, "status thread did not finish; leaving it to end on its own");
}

OrnGetBatteryThread* StatusThreadRunner::start()
{
    stop();
    m_thread = std::make_unique<OrnGetBatteryThread>(m_port, m_timing);
    m_thread->start();
    return m_thread.get();
}

bool StatusThreadRunner::stop(int timeoutMs)
{
    if (!m_thread)
        return true;
    m_thread->stop();
    if (!m_thread->wait(static_cast<unsigned long>(timeoutMs))) {
        // A thread stuck in a read must not be destroyed while running: it deletes itself once it ends.
        OrnGetBatteryThread* stuck = m_thread.release();
        QObject::connect(stuck, &QThread::finished, stuck, &QObject::deleteLater);
        if (stuck->isFinished())
            stuck->deleteLater();
        return false;
    }
    m_thread.reset();
    return true;
}
