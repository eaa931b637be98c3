#pragma once

#include <QString>
#include <QVariant>

// Program-wide Config.ini beside the program. Kept behind these few calls so the look layer
// can move to the store's accessors without touching its callers.
namespace look {

// Folder holding skin/, lang/ and Config.ini; OSKEN_RUNTIME_DIR overrides the program's folder.
QString programDirectory();
QVariant readConfig(const QString& key, const QVariant& fallback = QVariant());
// False when the file could not be written.
bool writeConfig(const QString& key, const QVariant& value);

} // namespace look
