#pragma once

#include "platform/Autostart.h"

namespace platform {

// "<name>.desktop" in the autostart folder of the XDG config home.
class XdgAutostart : public Autostart
{
public:
    XdgAutostart(QString entryPath, QString program, QStringList arguments);
    bool isEnabled() const override;
    bool setEnabled(bool bEnabled) override;
    QString entryPath() const { return m_entryPath; }

private:
    QString m_entryPath;
    QString m_program;
    QStringList m_arguments;
};

} // namespace platform
