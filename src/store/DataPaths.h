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
// Folder of the program's installed data (skin/, lang/, the default Config.ini): OSKEN_RUNTIME_DIR when set,
// else installedDataDirectory() of the running program's folder.
QString programDirectory();
// For a program in `applicationDir`: the data folder of an installed layout (share/osken-config beside
// bin/, whatever the prefix) when it is there, else `applicationDir` itself, as in the build tree.
QString installedDataDirectory(const QString& applicationDir);
