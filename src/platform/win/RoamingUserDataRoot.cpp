#include "platform/UserDataRoot.h"

#include <QDir>

#include <windows.h>

#include <shlobj.h>

namespace platform {

QString userDataRoot()
{
    // Qt's generic data location is the local folder; the earlier program's files lie in the roaming one.
    PWSTR folder = nullptr;
    QString root;
    if (SUCCEEDED(SHGetKnownFolderPath(FOLDERID_RoamingAppData, KF_FLAG_DEFAULT, nullptr, &folder)))
        root = QDir::fromNativeSeparators(QString::fromWCharArray(folder));
    CoTaskMemFree(folder);
    return root;
}

} // namespace platform
