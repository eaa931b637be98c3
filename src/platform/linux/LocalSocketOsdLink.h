#pragma once

#include "platform/OsdLink.h"

#include <QStringList>

namespace platform {

// Hands each message to the companion's local server, starting the companion detached when nobody listens.
class LocalSocketOsdLink : public OsdLink
{
public:
    LocalSocketOsdLink(QString serverName, QString programPath, QStringList arguments = {});
    bool send(const OsdMessage& message) override;

private:
    QString m_serverName;
    QString m_programPath;
    QStringList m_arguments;
};

} // namespace platform
