#include "store/ConfigFiles.h"

#include "store/DataPaths.h"
#include "store/NameSafety.h"
#include "store/ProfileDefaults.h"
#include "store/ProfileFiles.h"
#include "store/ProfileReading.h"
#include "store/SettingsValue.h"

#include <algorithm>

namespace {

QString slotNameKey(int iSlot)
{
    return QStringLiteral("Config/Profile") + QString::number(iSlot + 1);
}

quint8 readActiveSlot(const QSettings& settings)
{
    // Every user of the active slot indexes the five slots with it.
    const quint8 id = readNumber<quint8>(settings, QStringLiteral("Config/ProfileID"));
    return id < kSlotCount ? id : 0;
}

void readConfigGroup(ConfigData& config, const QSettings& settings)
{
    config.ProfileID = readActiveSlot(settings);
    config.AngleValue = readNumber<quint8>(settings, QStringLiteral("Config/AngleValue"));
    config.LiftHigh = readNumber<quint8>(settings, QStringLiteral("Config/LiftHigh"));
    config.Count = readNumber<quint8>(settings, QStringLiteral("Config/Count"));
    for (int i = 0; i < kSlotCount; ++i)
        config.slotProfileNames[i] = readText(settings, slotNameKey(i));
}

void writeConfigGroup(const ConfigData& config, QSettings& settings)
{
    settings.setValue(QStringLiteral("Config/ProfileID"), int(config.ProfileID));
    settings.setValue(QStringLiteral("Config/AngleValue"), int(config.AngleValue));
    settings.setValue(QStringLiteral("Config/LiftHigh"), int(config.LiftHigh));
    settings.setValue(QStringLiteral("Config/Count"), int(config.Count));
    for (int i = 0; i < kSlotCount; ++i)
        settings.setValue(slotNameKey(i), config.slotProfileNames[i]);
}

// The earlier version stored only slot 1's name in a configuration: an empty name becomes "Profile k", as
// loading does, or the first "Profile n" that no other slot names.
void fillEmptySlotNames(std::array<QString, kSlotCount>& names)
{
    for (int i = 0; i < kSlotCount; ++i) {
        if (!names[i].isEmpty())
            continue;
        QString name = defaultProfileName(i);
        for (int n = 1; std::find(names.begin(), names.end(), name) != names.end(); ++n)
            name = QStringLiteral("Profile %1").arg(n);
        names[i] = name;
    }
}

} // namespace

ProfileFileResult loadConfig(ConfigData& config)
{
    const QString productFile = productConfigPath();
    if (mayReadSettingsFile(productFile)) {
        const QSettings settings(productFile, QSettings::IniFormat);
        readConfigGroup(config, settings);
    } else {
        // Not a file a reader may open: read as the missing file it stands for.
        config.ProfileID = config.AngleValue = config.LiftHigh = config.Count = 0;
        config.slotProfileNames.fill(QString());
    }
    ProfileFileResult first = ProfileFileResult::Done;
    for (int i = 0; i < kSlotCount; ++i) {
        QString& name = config.slotProfileNames[i];
        if (!isValidProfileName(name))
            name = defaultProfileName(i);
        const ProfileFileResult result = loadSlotRecord(config.slots[i], name);
        if (first == ProfileFileResult::Done)
            first = result;
    }
    return first;
}

bool saveSlotAssignment(const ConfigData& config)
{
    QSettings settings(productConfigPath(), QSettings::IniFormat);
    settings.setValue(QStringLiteral("Config/ProfileID"), int(config.ProfileID));
    settings.setValue(QStringLiteral("Config/Count"), int(config.Count));
    for (int i = 0; i < kSlotCount; ++i)
        settings.setValue(slotNameKey(i), config.slotProfileNames[i]);
    return syncSettings(settings);
}

bool saveConfig(const ConfigData& config)
{
    bool ok = true;
    {
        QSettings settings(productConfigPath(), QSettings::IniFormat);
        writeConfigGroup(config, settings);
        ok = syncSettings(settings);
    }
    // All five slots: each may have been edited since the last write-out.
    for (int i = 0; i < kSlotCount; ++i) {
        const QString& name = config.slotProfileNames[i];
        if (!isValidProfileName(name)) {
            ok = false;
            continue;
        }
        ok = saveProfile(config.slots[i], profileFilePath(name), profileGroup()) && ok;
    }
    return ok;
}

bool exportConfig(const ConfigData& config, const QString& path)
{
    // One save for the whole file: it holds either all of the new configuration or none of it.
    QSettings settings(path, QSettings::IniFormat);
    writeConfigGroup(config, settings);
    for (int i = 0; i < kSlotCount; ++i)
        saveProfile(config.slots[i], settings, configSlotGroup(i));
    return syncSettings(settings);
}

ProfileFileResult importConfig(ConfigData& config, const QString& path, const QString& productName)
{
    const ProfileFileResult source = checkSourceFile(path);
    if (source != ProfileFileResult::Done)
        return source;
    const QSettings settings(path, QSettings::IniFormat);
    if (settings.status() == QSettings::AccessError)
        return ProfileFileResult::Unreadable;
    if (productName.isEmpty() || readText(settings, QStringLiteral("MouseName/Name")) != productName)
        return ProfileFileResult::NotThisMouse;
    ConfigData imported = config;
    readConfigGroup(imported, settings);
    fillEmptySlotNames(imported.slotProfileNames);
    // The names become profile files at the next save: none may lead outside the profile folder, and
    // two slots sharing one file would overwrite each other.
    for (int i = 0; i < kSlotCount; ++i) {
        const QString& name = imported.slotProfileNames[i];
        if (!isValidProfileName(name))
            return ProfileFileResult::InvalidName;
        for (int j = 0; j < i; ++j) {
            if (imported.slotProfileNames[j] == name)
                return ProfileFileResult::SharedName;
        }
    }
    for (int i = 0; i < kSlotCount; ++i) {
        if (settings.status() == QSettings::FormatError || !holdsCompleteRecord(settings, configSlotGroup(i)))
            return ProfileFileResult::Damaged;
    }
    for (int i = 0; i < kSlotCount; ++i)
        loadProfile(imported.slots[i], settings, configSlotGroup(i));
    config = imported;
    return ProfileFileResult::Done;
}
