#pragma once

#include <QString>

// A name that can stand for one file directly inside its folder: not empty, no "/" or "\", not "." or "..".
// Names from the user or from imported files are checked with it before they touch the file system.
bool isSafeFileName(const QString& name);

// A profile name the user may create or rename to: a safe file name other than "DefaultProfile", which
// names the factory-defaults file.
bool isValidProfileName(const QString& name);
