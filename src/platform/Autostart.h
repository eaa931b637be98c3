#pragma once

#include <QString>
#include <QStringList>

#include <memory>

namespace platform {

// Whether the program starts with the user's desktop session (an XDG autostart entry on Linux, the
// per-user Run key on Windows).
class Autostart
{
public:
    virtual ~Autostart() = default;
    virtual bool isEnabled() const = 0;
    // False when the entry could not be written or removed; the previous state then stays.
    [[nodiscard]] virtual bool setEnabled(bool bEnabled) = 0;
};

// Starts `program` with `arguments` when enabled.
std::unique_ptr<Autostart> makeAutostart(const QString& program, const QStringList& arguments);

} // namespace platform
