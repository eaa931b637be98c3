#pragma once

#include "platform/SingleInstance.h"

#include <QLockFile>

namespace platform {

// A lock file named after the instance in a per-user folder (normally the runtime folder).
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
