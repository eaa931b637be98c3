#include "hid/hidraw/HidrawDevice.h"

#include "hid/hidapi/ReportFilter.h"

#include <cerrno>
#include <cstdint>

#include <fcntl.h>
#include <linux/hidraw.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace {

// A system call again for as long as a signal cuts it short, so that no signal reads as a failure.
template <typename Call> auto againOnSignal(Call call)
{
    decltype(call()) result;
    do {
        result = call();
    } while (result < 0 && errno == EINTR);
    return result;
}

} // namespace

std::unique_ptr<HidrawDevice> HidrawDevice::open(const QByteArray& path, int inputReportId)
{
    const int nodeFd = ::open(path.constData(), O_RDWR | O_CLOEXEC);
    if (nodeFd < 0)
        return nullptr;
    // Only a hidraw node answers this: any other file is refused.
    int descriptorSize = 0;
    if (::ioctl(nodeFd, HIDIOCGRDESCSIZE, &descriptorSize) < 0) {
        ::close(nodeFd);
        return nullptr;
    }
    const int wakeFd = ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    if (wakeFd < 0) {
        ::close(nodeFd);
        return nullptr;
    }
    return std::make_unique<HidrawDevice>(nodeFd, wakeFd, inputReportId);
}

HidrawDevice::HidrawDevice(int nodeFd, int wakeFd, int inputReportId)
    : m_nodeFd(nodeFd), m_wakeFd(wakeFd), m_inputReportId(inputReportId)
{
}

HidrawDevice::~HidrawDevice()
{
    ::close(m_nodeFd);
    ::close(m_wakeFd);
}

int HidrawDevice::write(const quint8* data, int length)
{
    if (length < 0)
        return -1;
    return int(againOnSignal([&] { return ::write(m_nodeFd, data, size_t(length)); }));
}

int HidrawDevice::readAny(quint8* data, int length, int timeoutMs)
{
    if (timeoutMs >= 0) {
        pollfd node{m_nodeFd, POLLIN, 0};
        const int ready = againOnSignal([&] { return ::poll(&node, 1, timeoutMs); });
        if (ready <= 0)
            return ready;
        if (node.revents & (POLLERR | POLLHUP | POLLNVAL))
            return -1;
    }
    const ssize_t got = againOnSignal([&] { return ::read(m_nodeFd, data, size_t(length)); });
    if (got < 0 && (errno == EAGAIN || errno == EINPROGRESS))
        return 0;
    return int(got);
}

int HidrawDevice::readTimeout(quint8* data, int length, int timeoutMs)
{
    if (length < 0)
        return -1;
    const RawRead raw = [this](quint8* buffer, int size, int wait) { return readAny(buffer, size, wait); };
    return readFilteredReport(raw, m_inputReportId, data, length, timeoutMs);
}

int HidrawDevice::waitForReport(int timeoutMs)
{
    pollfd fds[2] = {{m_nodeFd, POLLIN, 0}, {m_wakeFd, POLLIN, 0}};
    const int ready = againOnSignal([&] { return ::poll(fds, 2, timeoutMs); });
    if (ready <= 0)
        return ready;
    if (fds[1].revents & POLLIN) {
        std::uint64_t count = 0;
        const ssize_t drained = ::read(m_wakeFd, &count, sizeof count);
        (void)drained; // the eventfd is non-blocking: nothing to drain is no failure
        return 0;
    }
    if (fds[0].revents & (POLLERR | POLLHUP | POLLNVAL))
        return -1;
    return 1;
}

void HidrawDevice::interruptWait()
{
    const std::uint64_t one = 1;
    const ssize_t written = ::write(m_wakeFd, &one, sizeof one);
    (void)written; // a full counter already wakes the wait
}
