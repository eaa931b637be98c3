#pragma once

#include "platform/SingleInstance.h"

#include <QLockFile>

namespace platform {

// "<name>.lock" in a per-user folder (normally the runtime folder); the suffix keeps it apart from a
// local socket of the same name there.
class LockFileInstance : public SingleInstance
{
public:
    LockFileInstance(const QString& directory, const QString& name);
    bool acquire() override;
    QString lockPath() const { return m_path; }

private:
    QString m_path;
    QLockFile m_lock;
};

} // namespace platform
