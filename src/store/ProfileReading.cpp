#include "store/ProfileReading.h"

#include "store/IniFile.h"
#include "store/NameSafety.h"
#include "store/ProfileDefaults.h"
#include "store/ProfileFiles.h"
#include "store/RecordFields.h"

#include <QFile>
#include <QFileInfo>

namespace {

// The record under PROFILE in a profile file's bytes, into `record` only when the file holds all of it.
bool readWholeRecord(ProfileData& record, const QByteArray& data)
{
    ProfileData read;
    ini::Scanner scanner(data);
    ProfileLineReader reader({{profileGroup(), &read}});
    while (scanner.next())
        reader.take(scanner);
    if (scanner.hadFormatError() || !reader.isComplete())
        return false;
    record = read;
    return true;
}

} // namespace

ProfileFileResult openSourceFile(const QString& path, QFile& file)
{
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return ProfileFileResult::NotRegularFile;
    file.setFileName(path);
    return file.open(QIODevice::ReadOnly | QIODevice::Unbuffered) ? ProfileFileResult::Done
                                                                  : ProfileFileResult::Unreadable;
}

ProfileFileResult checkSourceFile(const QString& path)
{
    QFile file;
    return openSourceFile(path, file);
}

bool mayReadSettingsFile(const QString& path)
{
    const QFileInfo info(path);
    return info.isFile() || (!info.exists() && !info.isSymLink());
}

ProfileFileResult readSourceFile(const QString& path, QByteArray& data)
{
    QFile file;
    const ProfileFileResult source = openSourceFile(path, file);
    if (source == ProfileFileResult::Done)
        data = file.readAll();
    return source;
}

ProfileFileResult readProfileFile(ProfileData& record, const QString& path, const QString& productName)
{
    QByteArray data;
    if (const ProfileFileResult source = readSourceFile(path, data); source != ProfileFileResult::Done)
        return source;
    // A missing tag never matches a product.
    if (productName.isEmpty() || mouseNameIn(data) != productName)
        return ProfileFileResult::NotThisMouse;
    return readWholeRecord(record, data) ? ProfileFileResult::Done : ProfileFileResult::Damaged;
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
    if (result == ProfileFileResult::Done && !readWholeRecord(record, IniFile::readBytes(path)))
        result = ProfileFileResult::Damaged;
    if (result != ProfileFileResult::Done)
        setProfileDefaults(record);
    return result;
}
