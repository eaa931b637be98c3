#include "store/ProfileFiles.h"

#include "store/AppSettings.h"
#include "store/DataPaths.h"
#include "store/IniFile.h"
#include "store/NameSafety.h"
#include "store/ProfileDefaults.h"
#include "store/RecordFields.h"

#include <QFileInfo>

namespace {
const QString kMouseNameKey = QStringLiteral("MouseName/Name");
} // namespace

QString profileGroup()
{
    return QStringLiteral("PROFILE");
}

QString configSlotGroup(int iSlot)
{
    return QStringLiteral("PROFILE_") + QString::number(iSlot);
}

void loadProfile(ProfileData& profile, const QString& path, const QString& group)
{
    const QByteArray data = IniFile::readBytes(path);
    ini::Scanner scanner(data);
    ProfileLineReader reader({{group, &profile}});
    while (scanner.next())
        reader.take(scanner);
}

bool saveProfile(const ProfileData& profile, const QString& path, const QString& group)
{
    IniFile file = IniFile::read(path, profileFieldLines({group}));
    writeProfileFields(profile, file, group);
    return file.save(path);
}

QString buttonFieldKey(int iBtn, const char* field)
{
    return QStringLiteral("BUTTON_INFO_") + QString::number(iBtn) + QLatin1Char('_') + QLatin1String(field);
}

QString profileFilePath(const QString& name)
{
    return profileDirectory() + QLatin1Char('/') + name + ".prof";
}

QString defaultProfilePath()
{
    return profileFilePath(QStringLiteral("DefaultProfile"));
}

bool writeDefaultProfileFile()
{
    ProfileData defaults;
    setProfileDefaults(defaults);
    return saveProfile(defaults, defaultProfilePath(), profileGroup());
}

bool writeMouseName(const QString& path, const QString& productName)
{
    IniFile file = IniFile::read(path);
    file.setText(kMouseNameKey, productName);
    return file.save(path);
}

QString readMouseName(const QString& path)
{
    return IniFile::readText(path, kMouseNameKey);
}

QString mouseNameIn(const QByteArray& fileData)
{
    return IniFile::textIn(fileData, kMouseNameKey);
}

bool fileMatchesCurrentMouse(const QString& path)
{
    const QString product = readCurrentProductName();
    return !product.isEmpty() && readMouseName(path) == product;
}

bool saveProfileValue(const QString& name, const QString& key, int iValue)
{
    if (!isValidProfileName(name))
        return false;
    // A file holding only this key would load as an empty record; a missing file is written whole by
    // the next saveConfig instead.
    const QString path = profileFilePath(name);
    if (!QFileInfo::exists(path))
        return true;
    IniFile file = IniFile::read(path);
    file.setNumber(profileGroup() + QLatin1Char('/') + key, iValue);
    return file.save(path);
}
