#pragma once

#include "store/ConfigData.h"

#include <QByteArray>
#include <QString>

// Group of a record inside a profile file, and of slot i's record inside a configuration file.
QString profileGroup();
QString configSlotGroup(int iSlot);

// Number of keys one record is stored with.
constexpr int kProfileKeyCount =
    2 + kDpiStageCount * 5 + 6 + kButtonSlotCount * (9 + kKeyStepCount * 3) + 3 + kLedModeCount * 6;
static_assert(kProfileKeyCount == 8441, "every field of a record has its key");

// Reads the record stored under `group`; every field is overwritten. A missing file or key gives 0, an
// empty string or an invalid colour; numbers are cut to their field's width.
void loadProfile(ProfileData& profile, const QString& path, const QString& group);
// Writes every key of the record under `group`; the file's other keys stay. False when the file could
// not be stored (the previous file is then left whole).
bool saveProfile(const ProfileData& profile, const QString& path, const QString& group);

// Key text, without the group, of one field of button record iBtn: "BUTTON_INFO_<iBtn>_<field>".
QString buttonFieldKey(int iBtn, const char* field);

// profileDirectory()/<name>.prof, and the factory-defaults file DefaultProfile.prof beside them.
QString profileFilePath(const QString& name);
QString defaultProfilePath();
// Makes DefaultProfile.prof hold the current product's defaults; a file that already does is left alone.
bool writeDefaultProfileFile();

// The MouseName/Name tag that ties an exported file to a product.
bool writeMouseName(const QString& path, const QString& productName);
QString readMouseName(const QString& path);
// The same from a file's bytes read already.
QString mouseNameIn(const QByteArray& fileData);
// True when the file's tag names the current product (a missing tag never matches a product).
bool fileMatchesCurrentMouse(const QString& path);

// Rewrites one number of the profile file of that name (PROFILE/<key>, as when the mouse reports another
// active DPI stage), the file's other keys as they are. A file not stored yet is left to the next save.
bool saveProfileValue(const QString& name, const QString& key, int iValue);
