#include "store/ProfileList.h"

#include "store/AppSettings.h"
#include "store/ConfigData.h"
#include "store/DataPaths.h"
#include "store/NameSafety.h"
#include "store/ProfileDefaults.h"
#include "store/ProfileFiles.h"
#include "store/ProfileReading.h"
#include "store/SettingsValue.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace {

const QString kListGroup = QStringLiteral("PROFILE_LIST");

bool profileFileExists(const QString& name)
{
    return QFileInfo::exists(profileFilePath(name));
}

bool ensureProfileDirectory()
{
    return QDir().mkpath(profileDirectory());
}

} // namespace

QStringList loadProfileList()
{
    QSettings settings(productConfigPath(), QSettings::IniFormat);
    settings.beginGroup(kListGroup);
    const int count = readNumber<int>(settings, QStringLiteral("Count"));
    // Only the entries the file holds are visited, whatever the stored count says.
    QList<int> numbers;
    for (const QString& key : settings.childKeys()) {
        bool ok = false;
        const int n = key.toInt(&ok);
        if (ok && n >= 1 && n <= count && key == QString::number(n))
            numbers.append(n);
    }
    std::sort(numbers.begin(), numbers.end());
    QStringList names;
    for (int n : numbers) {
        const QString name = readText(settings, QString::number(n));
        if (isValidProfileName(name) && !names.contains(name))
            names.append(name);
    }
    if (names.isEmpty() && !settings.contains(QStringLiteral("Count"))) {
        for (int i = 0; i < kSlotCount; ++i)
            names.append(defaultProfileName(i));
    }
    return names;
}

bool saveProfileList(const QStringList& names)
{
    QSettings settings(productConfigPath(), QSettings::IniFormat);
    settings.remove(kListGroup);
    settings.beginGroup(kListGroup);
    settings.setValue(QStringLiteral("Count"), names.size());
    for (int i = 0; i < names.size(); ++i)
        settings.setValue(QString::number(i + 1), names[i]);
    settings.endGroup();
    return syncSettings(settings);
}

QString nextNewProfileName()
{
    for (int n = 1;; ++n) {
        const QString name = QStringLiteral("Profile %1").arg(n);
        if (!profileFileExists(name))
            return name;
    }
}

QString copyTargetName(const QString& sourceName)
{
    QString name = sourceName + QStringLiteral(" copy");
    for (int n = 2; profileFileExists(name); ++n)
        name = sourceName + QStringLiteral(" copy %1").arg(n);
    return name;
}

ProfileFileResult createProfileFile(QString& newName)
{
    if (!ensureProfileDirectory())
        return ProfileFileResult::FileError;
    if (!QFileInfo::exists(defaultProfilePath()) && !writeDefaultProfileFile())
        return ProfileFileResult::FileError;
    const QString name = nextNewProfileName();
    if (!QFile::copy(defaultProfilePath(), profileFilePath(name)))
        return ProfileFileResult::FileError;
    newName = name;
    return ProfileFileResult::Done;
}

ProfileFileResult copyProfileFile(const QString& sourceName, QString& targetName)
{
    if (!isValidProfileName(sourceName))
        return ProfileFileResult::InvalidName;
    const QString name = copyTargetName(sourceName);
    if (!QFile::copy(profileFilePath(sourceName), profileFilePath(name)))
        return ProfileFileResult::FileError;
    targetName = name;
    return ProfileFileResult::Done;
}

ProfileFileResult renameProfileFile(const QString& oldName, const QString& newName)
{
    if (isDefaultProfileName(oldName))
        return ProfileFileResult::DefaultName;
    if (!isValidProfileName(oldName) || !isValidProfileName(newName))
        return ProfileFileResult::InvalidName;
    if (profileFileExists(newName))
        return ProfileFileResult::Exists;
    if (!profileFileExists(oldName))
        return ProfileFileResult::Done;
    return QFile::rename(profileFilePath(oldName), profileFilePath(newName)) ? ProfileFileResult::Done
                                                                             : ProfileFileResult::FileError;
}

ProfileFileResult deleteProfileFile(const QString& name)
{
    if (isDefaultProfileName(name))
        return ProfileFileResult::DefaultName;
    if (!isValidProfileName(name))
        return ProfileFileResult::InvalidName;
    if (!profileFileExists(name))
        return ProfileFileResult::Done;
    return QFile::remove(profileFilePath(name)) ? ProfileFileResult::Done : ProfileFileResult::FileError;
}

ProfileFileResult exportProfileFile(const QString& name, const QString& targetPath)
{
    if (!isValidProfileName(name))
        return ProfileFileResult::InvalidName;
    const QString source = profileFilePath(name);
    if (!QFileInfo::exists(source))
        return ProfileFileResult::FileError;
    if (!writeMouseName(source, readCurrentProductName()))
        return ProfileFileResult::FileError;
    if (QFileInfo::exists(targetPath))
        return ProfileFileResult::Exists;
    return QFile::copy(source, targetPath) ? ProfileFileResult::Done : ProfileFileResult::FileError;
}

ProfileFileResult importProfileFile(const QString& sourcePath, QString& importedName)
{
    // Read whole before anything is copied: a file that would load as zeros never joins the library.
    ProfileData record;
    const ProfileFileResult read = readProfileFile(record, sourcePath, readCurrentProductName());
    if (read != ProfileFileResult::Done)
        return read;
    QString name = QFileInfo(sourcePath).fileName();
    if (name.endsWith(QLatin1String(".prof"), Qt::CaseInsensitive))
        name.chop(5);
    if (!isValidProfileName(name))
        return ProfileFileResult::InvalidName;
    if (profileFileExists(name))
        return ProfileFileResult::Exists;
    if (!ensureProfileDirectory() || !QFile::copy(sourcePath, profileFilePath(name)))
        return ProfileFileResult::FileError;
    importedName = name;
    return ProfileFileResult::Done;
}
