#include "store/DataPaths.h"

#include "platform/UserDataRoot.h"
#include "store/AppSettings.h"

#include <QCoreApplication>
#include <QDir>

QString dataDirectory()
{
    return platform::userDataRoot() + QStringLiteral("/OSKEN R5");
}

QString productDirectory()
{
    return dataDirectory() + QLatin1Char('/') + readCurrentProductName();
}

QString programConfigPath()
{
    return dataDirectory() + QStringLiteral("/Config.ini");
}

QString productConfigPath()
{
    return productDirectory() + QStringLiteral("/Config.ini");
}

QString profileDirectory()
{
    return productDirectory() + QStringLiteral("/Profile");
}

QString macroDirectory()
{
    return dataDirectory() + QStringLiteral("/MacroDB");
}

QString programDirectory()
{
    const QByteArray env = qgetenv("OSKEN_RUNTIME_DIR");
    if (!env.isEmpty())
        return QString::fromLocal8Bit(env);
    return installedDataDirectory(QCoreApplication::applicationDirPath());
}

QString installedDataDirectory(const QString& applicationDir)
{
    const QDir installed(QDir::cleanPath(QDir(applicationDir).filePath(QStringLiteral(OSKEN_DATA_FROM_BIN))));
    if (installed.exists(QStringLiteral("skin")))
        return installed.path();
    return applicationDir;
}
