#include "SettingsSource.h"

#include "CtlArguments.h"
#include "store/AppSettings.h"
#include "store/ConfigFiles.h"
#include "store/DataPaths.h"
#include "store/ProfileFiles.h"
#include "store/ProfileReading.h"
#include "store/SettingsValue.h"

#include <QSettings>

QString chosenProduct(const std::optional<QString>& product)
{
    if (product)
        return *product;
    const QString current = readCurrentProductName();
    return current.isEmpty() ? QStringLiteral("OSKEN R5") : current;
}

bool prepareSettings()
{
    if (!mergeDefaultProgramConfig())
        return false;
    return !readCurrentProductName().isEmpty() || writeCurrentProductName(chosenProduct(std::nullopt));
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
    const bool bProfile = path.endsWith(QLatin1String(".prof"), Qt::CaseInsensitive);
    ProfileFileResult result = ProfileFileResult::Done;
    if (bProfile) {
        ProfileData record;
        result = readProfileFile(record, path, product);
        if (result == ProfileFileResult::Done) {
            (void)loadConfig(config); // the other slots as stored; a slot without a usable file gets defaults
            config.activeSlot() = record;
        }
    } else {
        result = importConfig(config, path, product);
    }
    if (result == ProfileFileResult::Done)
        return CtlExit::Done;
    if (result == ProfileFileResult::NotThisMouse) {
        const QString tag = readMouseName(path);
        error = tag.isEmpty() ? QStringLiteral("%1 names no product (MouseName/Name)").arg(path)
                              : QStringLiteral("%1 is for \"%2\", not \"%3\"").arg(path, tag, product);
    } else {
        error = path + QStringLiteral(": ") + QString::fromLatin1(profileFileMessage(result, !bProfile));
    }
    return CtlExit::NoInput;
}

PendingSettingsFile::PendingSettingsFile(const QString& path, const QString& product)
    : m_product(product), m_loaded(std::async(std::launch::async, [path, product] {
                                       Loaded loaded;
                                       loaded.exit = loadSettingsFile(path, product, loaded.config, loaded.error);
                                       return loaded;
                                   }).share())
{
}
