#include "platform/linux/LockFileInstance.h"
#include "log/Log.h"

#include <QDebug>
#include <QDir>
#include <QStandardPaths>

namespace platform {

LockFileInstance::LockFileInstance(const QString& directory, const QString& name)
    : m_path(QDir(directory).filePath(name + QStringLiteral(".lock"))), m_lock(m_path)
{
    // The lock lives as long as the program: it must never turn stale by age, only when its owner died.
    m_lock.setStaleLockTime(0);
}

bool LockFileInstance::acquire()
{
    if (m_lock.isLocked())
        return true;
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    if (m_lock.tryLock(0))
        return true;
    if (m_lock.error() == QLockFile::LockFailedError)
        return false;
    // Without a place for the lock there is no way to tell; running twice beats not running at all.
    qCDebug(lcPlatform) << "Single-instance lock unavailable:" << m_path;
    return true;
}

std::unique_ptr<SingleInstance> makeSingleInstance(const QString& name)
{
    return std::make_unique<LockFileInstance>(QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation), name);
}

} // namespace platform
