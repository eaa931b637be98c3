#include "platform/linux/LockFileInstance.h"
#include "log/Log.h"

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
    if (m_lock.error() != QLockFile::LockFailedError) {
        // Without a place for the lock there is no way to tell; running twice beats not running at all.
        qCWarning(lcPlatform) << "Single-instance lock unavailable:" << m_path;
        return true;
    }
    // QLockFile only clears a lock whose pid it can read, on this host, that is dead. An empty or garbled
    // file, or one written under another host name, would block every start until deleted by hand. A
    // running owner holds a system lock on the file for its whole life, so removing the file fails
    // exactly when an owner is alive.
    if (!m_lock.removeStaleLockFile())
        return false;
    qCDebug(lcPlatform) << "Took over a lock with no live owner:" << m_path;
    return m_lock.tryLock(0);
}

QString instanceServerName(const QString& name)
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation)).filePath(name);
}

std::unique_ptr<SingleInstance> makeSingleInstance(const QString& name)
{
    return std::make_unique<LockFileInstance>(QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation), name);
}

} // namespace platform
