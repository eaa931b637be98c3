#pragma once

#include "device/Frame.h"

#include <QObject>

#include <atomic>

// Hands the status reports and battery replies that the link reads outside the status thread (while it waits
// for an echo, or asks the battery state itself) to the same handling as the thread's signals, which carry
// the same names and values. May be called from any thread; connect queued, as the thread's signals are.
class StatusReportRelay : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    // Decodes one command-collection report and emits what it carries; other reports are ignored.
    void handOver(const Frame& report);
    // Status reports handed over so far: a write-out that met one cannot know whether the mouse's change
    // came before or after its settings block.
    quint64 statusReports() const { return m_statusReports.load(); }

Q_SIGNALS:
    void RefreshBatteryStatus(quint8 iCharge, quint8 iLowByte, quint8 iHiByte);
    void RefreshStatus(quint8 iProfile, quint8 iDpiStage, quint8 iRate, quint8 iExtra);
    void RefreshWriteStatus(quint8 iStatus);

private:
    std::atomic<quint64> m_statusReports{0};
};
