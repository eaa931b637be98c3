#pragma once

#include "hid/HidBackend.h"

#include <memory>

class VirtualLine;

// An open collection of the virtual receiver. Dead (every call fails) once the receiver was unplugged.
class VirtualHandle : public HidDevice
{
public:
    // id and generation come from VirtualLine::openHandle.
    VirtualHandle(std::shared_ptr<VirtualLine> line, int id, quint64 generation);
    ~VirtualHandle() override;
    VirtualHandle(const VirtualHandle&) = delete;
    VirtualHandle& operator=(const VirtualHandle&) = delete;

    int write(const quint8* data, int length) override;
    int readTimeout(quint8* data, int length, int timeoutMs) override;
    int waitForReport(int timeoutMs) override;
    void interruptWait() override;

private:
    std::shared_ptr<VirtualLine> m_line;
    int m_id;
    quint64 m_generation;
};
