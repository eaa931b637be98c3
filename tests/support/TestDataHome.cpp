#include "TestDataHome.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

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
