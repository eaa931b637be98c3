#pragma once

#include "hid/sim/VirtualReceiver.h"

#include <memory>

// The virtual receiver on a clock of its own: it answers within the write, so a read that finds nothing
// would find nothing later either and only moves the clock. Time-outs cost no real waiting.
class InstantBackend : public HidBackend
{
    struct Device : HidDevice
    {
        std::unique_ptr<HidDevice> inner;
        qint64* now;
        int write(const quint8* data, int length) override { return inner->write(data, length); }
        int readTimeout(quint8* data, int length, int timeoutMs) override
        {
            const int got = inner->readTimeout(data, length, 0);
            if (got == 0)
                *now += qMax(timeoutMs, 1);
            return got;
        }
    };
    std::unique_ptr<VirtualReceiver> m_inner;
    qint64* m_now;

public:
    InstantBackend(VirtualReceiver* inner, qint64* now) : m_inner(inner), m_now(now) {}
    int init() override { return m_inner->init(); }
    void exit() override { m_inner->exit(); }
    std::vector<HidDeviceInfo> enumerate(quint16 vendor, quint16 product) override
    {
        return m_inner->enumerate(vendor, product);
    }
    std::unique_ptr<HidDevice> openPath(const QByteArray& path, int inputReportId) override
    {
        auto device = m_inner->openPath(path, inputReportId);
        if (!device)
            return nullptr;
        auto instant = std::make_unique<Device>();
        instant->inner = std::move(device);
        instant->now = m_now;
        return instant;
    }
    int releaseNumber(const QByteArray& path) override { return m_inner->releaseNumber(path); }
};
