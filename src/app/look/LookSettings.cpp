#include "app/look/LookSettings.h"

#include <QCoreApplication>
#include <QSettings>

namespace look {

QString programDirectory()
{
    const QByteArray env = qgetenv("OSKEN_RUNTIME_DIR");
    if (!env.isEmpty())
        return QString::fromLocal8Bit(env);
    return QCoreApplication::applicationDirPath();
}

static QString configPath() { return programDirectory() + QStringLiteral("/Config.ini"); }

QVariant readConfig(const QString& key, const QVariant& fallback)
{
    QSettings settings(configPath(), QSettings::IniFormat);
    return settings.value(key, fallback);
}

bool writeConfig(const QString& key, const QVariant& value)
{
    QSettings settings(configPath(), QSettings::IniFormat);
    settings.setValue(key, value);
    settings.sync();
    return settings.status() == QSettings::NoError;
}

} // namespace look
