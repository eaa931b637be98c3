#include "platform/SingleInstance.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <string>

namespace platform {

namespace {

// A named mutex, created owned. Its handle is kept open for the whole run and released by the system when
// the process ends, so a crash never leaves the name taken.
class NamedMutexInstance : public SingleInstance
{
public:
    explicit NamedMutexInstance(QString name) : m_name(std::move(name)) {}

    bool acquire() override
    {
        if (m_handle)
            return true;
        const std::wstring name = m_name.toStdWString();
        HANDLE handle = CreateMutexW(nullptr, TRUE, name.c_str());
        const DWORD error = GetLastError();
        if (handle && error == ERROR_ALREADY_EXISTS) {
            CloseHandle(handle);
            return false;
        }
        if (!handle) {
            // Access denied means a process we cannot open holds the name; any other failure cannot tell.
            return error != ERROR_ACCESS_DENIED;
        }
        m_handle = handle;
        return true;
    }

private:
    QString m_name;
    HANDLE m_handle = nullptr;
};

} // namespace

QString instanceServerName(const QString& name)
{
    // Pipe names are machine-wide: the user's name keeps sessions of different users apart.
    return name + QLatin1Char('-') + qEnvironmentVariable("USERNAME");
}

std::unique_ptr<SingleInstance> makeSingleInstance(const QString& name)
{
    return std::make_unique<NamedMutexInstance>(name);
}

} // namespace platform
