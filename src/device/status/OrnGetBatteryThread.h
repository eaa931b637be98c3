#pragma once

#include "device/status/CommandPort.h"

#include <QThread>

#include <atomic>
#include <condition_variable>
#include <mutex>

// Pass timing of the status thread; tests shorten the waits, the program keeps the defaults.
struct StatusTiming
{
    int afterQueryMs = 10;
    int readTimeoutMs = 50;
    int afterQueryReadMs = 450;
    int afterReadFailureMs = 450;
    int afterListenMs = 400;
    int passesPerQuery = 57; // query the battery about every 25 s
};

// Asks the mouse for its battery state now and then and otherwise listens for the status reports the mouse
// sends when the user changes profile, DPI stage or rate on it. Results leave only through queued signals.
class OrnGetBatteryThread : public QThread
{
    Q_OBJECT
public:
    explicit OrnGetBatteryThread(CommandPort& port, StatusTiming timing = {}, QObject* parent = nullptr);

    // Ends the thread at its next step; a pause or a wait for a report in progress ends at once.
    void stop();

signals:
    void RefreshBatteryStatus(quint8 iCharge, quint8 iLowByte, quint8 iHiByte);
    void RefreshStatus(quint8 iProfile, quint8 iDpiStage, quint8 iRate, quint8 iExtra);
    void RefreshWriteStatus(quint8 iStatus);

protected:
    void run() override;

private:
    void queryBattery();
    void listen();
    // False when the port can only wait by reading; the pass is then the plain read and pause.
    bool listenWholePass();
    // A listening read failed (the receiver went, or the mouse's node did): the pause before the next pass.
    void readFailed();
    void handleReport(const Frame& reply);
    void handleBatteryReply(const Frame& reply);
    void pause(int ms);

    CommandPort& m_port;
    const StatusTiming m_timing;
    std::atomic<bool> m_bStop{false};
    std::mutex m_waitMutex;
    std::condition_variable m_wake;
};
