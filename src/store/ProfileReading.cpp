#include "store/ProfileReading.h"

#include "store/NameSafety.h"
#include "store/ProfileDefaults.h"
#include "store/ProfileFiles.h"
#include "store/SettingsValue.h"

#include <QFile>
#include <QFileInfo>
#include <QSettings>

ProfileFileResult checkSourceFile(const QString& path)
{
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return ProfileFileResult::NotRegularFile;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return ProfileFileResult::Unreadable;
    return ProfileFileResult::Done;
}

bool mayReadSettingsFile(const QString& path)
{
    const QFileInfo info(path);
    return info.isFile() || (!info.exists() && !info.isSymLink());
}

ProfileFileResult readProfileFile(ProfileData& record, const QString& path, const QString& productName)
{
    const ProfileFileResult source = checkSourceFile(path);
    if (source != ProfileFileResult::Done)
        return source;
    const QSettings settings(path, QSettings::IniFormat);
    if (settings.status() == QSettings::AccessError)
        return ProfileFileResult::Unreadable;
    // A missing tag never matches a product.
    if (productName.isEmpty() || readText(settings, QStringLiteral("MouseName/Name")) != productName)
        return ProfileFileResult::NotThisMouse;
    if (settings.status() == QSettings::FormatError || !holdsCompleteRecord(settings, profileGroup()))
        return ProfileFileResult::Damaged;
    loadProfile(record, settings, profileGroup());
    return ProfileFileResult::Done;
}

ProfileFileResult loadSlotRecord(ProfileData& record, const QString& name)
{
    if (!isValidProfileName(name)) {
        setProfileDefaults(record);
        return ProfileFileResult::InvalidName;
    }
    const QString path = profileFilePath(name);
    // First start of a product: the mouse gets working defaults instead of an all-zero record.
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink()) {
        setProfileDefaults(record);
        return ProfileFileResult::Done;
    }
    ProfileFileResult result = checkSourceFile(path);
    if (result == ProfileFileResult::Done) {
        const QSettings settings(path, QSettings::IniFormat);
        if (settings.status() != QSettings::NoError || !holdsCompleteRecord(settings, profileGroup()))
            result = ProfileFileResult::Damaged;
        else
            loadProfile(record, settings, profileGroup());
    }
    if (result != ProfileFileResult::Done)
        setProfileDefaults(record);
    return result;
}
