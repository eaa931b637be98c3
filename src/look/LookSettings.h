#pragma once

#include <QString>

// The look layer reads its settings through the store's accessors (store/AppSettings.h); only the
// folder of the installed pictures and translations is named here for its callers.
namespace look {

// Folder holding skin/ and lang/; OSKEN_RUNTIME_DIR overrides the program's folder.
QString programDirectory();
// programDirectory() + path, for a path beginning "/skin/".
QString skinPath(const QString& path);
// The product's name as its mouse pictures are filed under "/skin/mouse/": spaces become '_', so that no
// installed folder or file name holds one.
QString mouseSkinName(const QString& product);

} // namespace look
