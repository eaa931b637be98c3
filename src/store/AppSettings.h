#pragma once

#include <QString>

// One accessor per key of the two Config.ini files. Each opens the file, reads or writes one key and
// closes it again. Readers follow the reading rule (missing = 0 or empty). Writers return false when the
// file could not be stored; the previous file then stays as it was.

// Program-wide file (dataDirectory()/Config.ini).
int readLangId();
bool writeLangId(int iLangId);
QString readCurrentProductName();
bool writeCurrentProductName(const QString& name);
int readGColorId();
bool writeGColorId(int iColorId);
// MouseSenSor/<current product>: sensor model number, 0 when the product has none.
int readSensorModel();
// MouseLEDMode/<current product>: lighting-mode set of the product.
int readLedModeSet();
// Config/OsdNotifications: 1 when the on-screen texts go out as desktop notifications.
bool readOsdNotifications();
bool writeOsdNotifications(bool bOn);
// FONT_LIST/FONT_<langId> and FONT_LIST/FONT_SIZE_<langId>.
QString readFontFamily(int iLangId);
int readFontSize(int iLangId);

// Product file (productDirectory()/Config.ini).
bool writeProfileId(int iProfileId);
int readDiff();
bool writeDiff(int iDiff);
int readBattery();
bool writeBattery(int iBattery);

// Copies every key of the installed programDirectory()/Config.ini that the program-wide file lacks into
// it; keys already there keep their values. False when the program-wide file could not be stored.
bool mergeDefaultProgramConfig();
