#pragma once

#include <QString>

namespace platform {

// The per-user folder that holds the program's data folder ("OSKEN R5"), without a trailing slash: the
// roaming application-data folder on Windows, where the earlier program kept its files; the XDG data home
// elsewhere.
QString userDataRoot();

} // namespace platform
