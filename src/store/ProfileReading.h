#pragma once

#include "store/ConfigData.h"
#include "store/ProfileFileResult.h"

#include <QFile>
#include <QString>

// Reading profile files the store did not just write: chosen by the user, named by a slot, or left behind by
// an earlier version.

// Before anything opens `path`: NotRegularFile for anything but a regular file (a FIFO or device node would
// block its reader for good, a folder reads as empty), Unreadable when it cannot be opened for reading.
[[nodiscard]] ProfileFileResult checkSourceFile(const QString& path);
// A file to import opened for reading, after the same checks: Done or checkSourceFile's reasons.
[[nodiscard]] ProfileFileResult openSourceFile(const QString& path, QFile& file);
// The whole of a file to import, after checkSourceFile: Done, its reasons, or Unreadable.
[[nodiscard]] ProfileFileResult readSourceFile(const QString& path, QByteArray& data);

// True when a settings reader may open `path`: nothing is there (it reads as empty) or a regular file is.
bool mayReadSettingsFile(const QString& path);

// A .prof tagged for `productName` (as exports are) into `record`. Refused, with `record` untouched, for
// checkSourceFile's reasons, NotThisMouse and Damaged (no complete record).
[[nodiscard]] ProfileFileResult readProfileFile(ProfileData& record, const QString& path, const QString& productName);

// The record of a slot whose profile is `name`, from that profile file. A profile with no file yet is the
// current product's defaults. A file that cannot be used (checkSourceFile's reasons, Damaged, or a name
// that cannot be a profile file) gives the defaults too, so no all-zero record reaches the mouse; the result
// says why, and the file is left as it is.
[[nodiscard]] ProfileFileResult loadSlotRecord(ProfileData& record, const QString& name);
