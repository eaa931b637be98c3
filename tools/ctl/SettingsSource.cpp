#include "SettingsSource.h"

#include "CtlArguments.h"
#include "store/AppSettings.h"
#include "store/ConfigFiles.h"
#include "store/DataPaths.h"
#include "store/ProfileFiles.h"
#include "store/SettingsValue.h"

#include <QFile>
#include <QFileInfo>
#include <QSettings>

QString chosenProduct(const std::optional<QString>& product)
{
    if (product)
        return *product;
    const QString current = readCurrentProductName();
    return current.isEmpty() ? QStringLiteral("OSKEN R5") : current;
}

int chosenSensor(const QString& product, const std::optional<int>& sensor)
{
    if (sensor)
        return *sensor;
    const QString key = QStringLiteral("MouseSenSor/") + product;
    for (const QString& path : {programConfigPath(), programDirectory() + QStringLiteral("/Config.ini")}) {
        const QSettings settings(path, QSettings::IniFormat);
        if (settings.contains(key))
            return readNumber<int>(settings, key);
    }
    return 0;
}

int loadSettingsFile(const QString& path, const QString& product, ConfigData& config, QString& error)
{
    const QFileInfo info(path);
    QFile file(path);
    if (!info.isFile() || !file.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("cannot read %1").arg(path);
        return CtlExit::NoInput;
    }
    // Read once: the tag and the settings come from the same bytes.
    const QByteArray data = file.readAll();
    file.close();
    const QString tag = mouseNameIn(data);
    if (tag != product) {
        error = tag.isEmpty() ? QStringLiteral("%1 names no product (MouseName/Name)").arg(path)
                              : QStringLiteral("%1 is for \"%2\", not \"%3\"").arg(path, tag, product);
        return CtlExit::NoInput;
    }
    if (path.endsWith(QLatin1String(".prof"), Qt::CaseInsensitive)) {
        loadConfig(config);
        loadProfileFrom(config.activeSlot(), data, profileGroup());
        return CtlExit::Done;
    }
    if (!importConfigFrom(config, data)) {
        error = QStringLiteral("%1 holds unusable or repeated slot profile names").arg(path);
        return CtlExit::NoInput;
    }
    return CtlExit::Done;
}
