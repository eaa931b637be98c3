#pragma once

#include <QString>

// The settings tree. Every folder is returned without a trailing slash.

// Per-user data location + "/OSKEN R5".
QString dataDirectory();
// dataDirectory() + "/" + the current product name (an empty name gives a trailing slash, used as it is).
QString productDirectory();
// Program-wide settings: dataDirectory() + "/Config.ini".
QString programConfigPath();
// Product settings: productDirectory() + "/Config.ini".
QString productConfigPath();
// productDirectory() + "/Profile".
QString profileDirectory();
// dataDirectory() + "/MacroDB".
QString macroDirectory();
// Folder of the program and its installed files; OSKEN_RUNTIME_DIR overrides it.
QString programDirectory();
