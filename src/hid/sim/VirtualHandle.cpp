#include "hid/sim/VirtualHandle.h"

#include "hid/sim/VirtualLine.h"

VirtualHandle::VirtualHandle(std::shared_ptr<VirtualLine> line, int id, quint64 generation)
    : m_line(std::move(line)), m_id(id), m_generation(generation)
{
}

VirtualHandle::~VirtualHandle()
{
    m_line->closeHandle(m_id);
}

int VirtualHandle::write(const quint8* data, int length)
{
    return m_line->hostWrite(m_id, m_generation, data, length);
}

int VirtualHandle::readTimeout(quint8* data, int length, int timeoutMs)
{
    return m_line->hostRead(m_id, m_generation, data, length, timeoutMs);
}

int VirtualHandle::waitForReport(int timeoutMs)
{
    return m_line->hostWait(m_id, m_generation, timeoutMs);
}

void VirtualHandle::interruptWait()
{
    m_line->interruptWait(m_id);
}
