#include "store/ConfigFiles.h"

#include "store/DataPaths.h"
#include "store/IniFile.h"
#include "store/NameSafety.h"
#include "store/ProfileDefaults.h"
#include "store/ProfileFiles.h"
#include "store/ProfileReading.h"
#include "store/RecordFields.h"
#include "store/SettingsValue.h"
#include "store/StoredValue.h"

#include <QFile>
#include <QHash>

#include <algorithm>

namespace {

// The product Config.ini stays with the settings layer: the program's other keys live in it too.
struct SettingsValues
{
    QSettings& settings;
    qint64 number(const QString& key) const { return readNumber<qint64>(settings, key); }
    QString text(const QString& key) const { return readText(settings, key); }
    void setNumber(const QString& key, qint64 iValue) { settings.setValue(key, int(iValue)); }
    void setText(const QString& key, const QString& text) { settings.setValue(key, text); }
};

// Keys of a configuration file outside its records.
struct LineValues
{
    QHash<QString, ini::ValueText> values;
    qint64 number(const QString& key) const { return values.contains(key) ? numberOfValue(values[key]) : 0; }
    QString text(const QString& key) const { return values.contains(key) ? textOfValue(values[key]) : QString(); }
};

void keepActiveSlotInRange(ConfigData& config)
{
    // Every user of the active slot indexes the five slots with it.
    if (config.ProfileID >= kSlotCount)
        config.ProfileID = 0;
}

// The earlier version stored only slot 1's name in a configuration: an empty name becomes "Profile k", as
// loading does, or the first "Profile n" that no other slot names.
void fillEmptySlotNames(std::array<QString, kSlotCount>& names)
{
    for (int i = 0; i < kSlotCount; ++i) {
        if (!names[size_t(i)].isEmpty())
            continue;
        QString name = defaultProfileName(i);
        for (int n = 1; std::find(names.begin(), names.end(), name) != names.end(); ++n)
            name = QStringLiteral("Profile %1").arg(n);
        names[size_t(i)] = name;
    }
}

} // namespace

ProfileFileResult loadConfig(ConfigData& config)
{
    const QString productFile = productConfigPath();
    if (mayReadSettingsFile(productFile)) {
        QSettings settings(productFile, QSettings::IniFormat);
        readConfigFields(config, SettingsValues{settings});
        keepActiveSlotInRange(config);
    } else {
        // Not a file a reader may open: read as the missing file it stands for.
        config.ProfileID = config.AngleValue = config.LiftHigh = config.Count = 0;
        config.slotProfileNames.fill(QString());
    }
    ProfileFileResult first = ProfileFileResult::Done;
    for (int i = 0; i < kSlotCount; ++i) {
        QString& name = config.slotProfileNames[size_t(i)];
        if (!isValidProfileName(name))
            name = defaultProfileName(i);
        const ProfileFileResult result = loadSlotRecord(config.slot(i), name);
        if (first == ProfileFileResult::Done)
            first = result;
    }
    return first;
}

bool saveSlotAssignment(const ConfigData& config)
{
    QSettings settings(productConfigPath(), QSettings::IniFormat);
    SettingsValues values{settings};
    writeConfigFields(config, values, true);
    return syncSettings(settings);
}

bool saveConfig(const ConfigData& config)
{
    const QString product = productDirectory();
    bool ok = true;
    {
        QSettings settings(product + QStringLiteral("/Config.ini"), QSettings::IniFormat);
        SettingsValues values{settings};
        writeConfigFields(config, values, false);
        ok = syncSettings(settings);
    }
    // All five slots: each may have been edited since the last write-out.
    const QString folder = product + QStringLiteral("/Profile/");
    for (int i = 0; i < kSlotCount; ++i) {
        const QString& name = config.slotProfileNames[size_t(i)];
        if (!isValidProfileName(name)) {
            ok = false;
            continue;
        }
        ok = saveProfile(config.slot(i), folder + name + QStringLiteral(".prof"), profileGroup()) && ok;
    }
    return ok;
}

bool exportConfig(const ConfigData& config, const QString& path)
{
    // One save for the whole file: it holds either all of the new configuration or none of it.
    QStringList groups;
    for (int i = 0; i < kSlotCount; ++i)
        groups.append(configSlotGroup(i));
    IniFile file = IniFile::read(path, profileFieldLines(groups));
    writeConfigFields(config, file, false);
    for (int i = 0; i < kSlotCount; ++i)
        writeProfileFields(config.slot(i), file, groups[i]);
    return file.save(path);
}

ProfileFileResult importConfig(ConfigData& config, const QString& path, const QString& productName)
{
    QFile file;
    if (const ProfileFileResult source = openSourceFile(path, file); source != ProfileFileResult::Done)
        return source;

    // One pass over the file: the five records, and the tag and Config keys beside them.
    ConfigData imported = config;
    std::vector<ProfileLineReader::Target> records;
    for (int i = 0; i < kSlotCount; ++i)
        records.push_back({configSlotGroup(i), &imported.slot(i)});
    ProfileLineReader reader(std::move(records));
    LineValues others;
    ini::Scanner scanner(file);
    while (scanner.next()) {
        if (reader.take(scanner))
            continue;
        others.values.insert(scanner.sectionPrefix() + ini::unescapedKey(scanner.keyBegin(), scanner.keyEnd()),
                             ini::unescapedValue(scanner.valueBegin(), scanner.valueEnd(), scanner.isUtf8()));
    }
    if (scanner.hadReadError())
        return ProfileFileResult::Unreadable;
    if (productName.isEmpty() || others.text(QStringLiteral("MouseName/Name")) != productName)
        return ProfileFileResult::NotThisMouse;
    readConfigFields(imported, others);
    keepActiveSlotInRange(imported);
    fillEmptySlotNames(imported.slotProfileNames);
    // The names become profile files at the next save: none may lead outside the profile folder, and
    // two slots sharing one file would overwrite each other.
    for (int i = 0; i < kSlotCount; ++i) {
        const QString& name = imported.slotProfileNames[size_t(i)];
        if (!isValidProfileName(name))
            return ProfileFileResult::InvalidName;
        for (int j = 0; j < i; ++j) {
            if (imported.slotProfileNames[size_t(j)] == name)
                return ProfileFileResult::SharedName;
        }
    }
    if (scanner.hadFormatError() || !reader.isComplete())
        return ProfileFileResult::Damaged;
    config = imported;
    return ProfileFileResult::Done;
}
