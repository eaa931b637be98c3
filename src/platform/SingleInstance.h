#pragma once

#include <QString>

#include <memory>

namespace platform {

// The program's own name: the single-instance lock and the instance socket are called after it.
inline QString singleInstanceName()
{
    return QStringLiteral("osken-config");
}

// Where the running instance listens for requests of later starts (InstanceChannel.h): a socket in the
// per-user runtime folder on Linux, a per-user pipe name on Windows.
QString instanceServerName(const QString& name = singleInstanceName());

// Held for the life of the process; a second process with the same name finds it taken.
class SingleInstance
{
public:
    virtual ~SingleInstance() = default;
    // True when this process now holds the name; false when another running process already holds it.
    // A lock that cannot be made at all (no writable runtime folder) lets the program run, and so does a
    // lock left behind whose owner cannot be shown to be alive.
    [[nodiscard]] virtual bool acquire() = 0;
};

std::unique_ptr<SingleInstance> makeSingleInstance(const QString& name = singleInstanceName());

} // namespace platform
