#include "TestDataHome.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

TestDataHome::TestDataHome()
{
    m_hadPrevious = qEnvironmentVariableIsSet("XDG_DATA_HOME");
    m_previous = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", m_dir.path().toLocal8Bit());
}

TestDataHome::~TestDataHome()
{
    if (m_hadPrevious)
        qputenv("XDG_DATA_HOME", m_previous);
    else
        qunsetenv("XDG_DATA_HOME");
}

QString TestDataHome::writeFile(const QString& relativePath, const QByteArray& content) const
{
    const QString full = m_dir.path() + "/" + relativePath;
    QDir().mkpath(QFileInfo(full).absolutePath());
    QFile file(full);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot write test file %s", qPrintable(full));
    file.write(content);
    return full;
}

QString TestDataHome::makeSpecial(const QString& relativePath, Special kind) const
{
    const QString full = m_dir.path() + "/" + relativePath;
    QDir().mkpath(QFileInfo(full).absolutePath());
    const bool made =
        kind == Special::Fifo ? ::mkfifo(QFile::encodeName(full).constData(), 0600) == 0 : QDir().mkpath(full);
    if (!made)
        qFatal("cannot make %s", qPrintable(full));
    return full;
}
