#pragma once

#include "store/ProfileFileResult.h"

#include <QString>
#include <QStringList>

// The library of profile names of the current product (PROFILE_LIST in the product Config.ini) and the
// file operations behind the profile commands. Messages are the caller's; the results say which one.

// Stored list in order. Empty or unusable entries are skipped; with no stored list at all the five
// default profiles "Profile 1".."Profile 5" make up the library.
QStringList loadProfileList();
// Count and entries 1..Count; entries of an older, longer list are removed.
bool saveProfileList(const QStringList& names);

// First "Profile %d" (n = 1, 2, ...) whose file does not exist.
QString nextNewProfileName();
// Source name + " copy", then + " copy 2", " copy 3", ... : the first whose file does not exist.
QString copyTargetName(const QString& sourceName);

// New profile: copies DefaultProfile.prof (written first if it is missing) to nextNewProfileName().
ProfileFileResult createProfileFile(QString& newName);
// Copies the profile file of `sourceName` to copyTargetName(sourceName).
ProfileFileResult copyProfileFile(const QString& sourceName, QString& targetName);
// Renames the file of `oldName`; a profile that has no file yet has nothing to move and succeeds.
ProfileFileResult renameProfileFile(const QString& oldName, const QString& newName);
// Removes the file of `name` if it exists.
ProfileFileResult deleteProfileFile(const QString& name);
// Stamps MouseName/Name into the profile's file and copies it to `targetPath`; an existing target is not
// overwritten (Exists).
ProfileFileResult exportProfileFile(const QString& name, const QString& targetPath);
// Copies a chosen .prof file for the current product into the profile folder; `importedName` is its file
// name without ".prof". Refused before anything is copied: not a regular file, unreadable, not this mouse,
// a name that cannot be a profile, no complete record (Damaged), a profile of that name already there.
[[nodiscard]] ProfileFileResult importProfileFile(const QString& sourcePath, QString& importedName);
