#pragma once

#include <QString>

#include <memory>

namespace platform {

// The name both platforms lock so that one copy runs per user session.
inline QString singleInstanceName()
{
    return QStringLiteral("RM402 Wireless Gaming Mouse Mutex");
}

// Held for the life of the process; a second process with the same name finds it taken.
class SingleInstance
{
public:
    virtual ~SingleInstance() = default;
    // True when this process now holds the name; false when another running process already holds it.
    // A lock that cannot be made at all (no writable runtime folder) lets the program run.
    virtual bool acquire() = 0;
};

std::unique_ptr<SingleInstance> makeSingleInstance(const QString& name = singleInstanceName());

} // namespace platform
