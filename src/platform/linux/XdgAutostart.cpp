#include "platform/linux/XdgAutostart.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSettings>
#include <QStandardPaths>

#include <algorithm>

namespace platform {

namespace {

// An Exec= argument, quoted as the desktop entry format asks when it holds a reserved character.
QString execArgument(QString argument)
{
    static const QString kReserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    argument.replace(QLatin1Char('%'), QLatin1String("%%")); // '%' starts a field code
    if (!argument.isEmpty() &&
        std::none_of(argument.begin(), argument.end(), [](QChar c) { return kReserved.contains(c); }))
        return argument;
    QString quoted = argument;
    for (const char* special : {"\\", "\"", "`", "$"})
        quoted.replace(QLatin1String(special), QLatin1Char('\\') + QLatin1String(special));
    // The file format escapes the backslash once more.
    quoted.replace(QLatin1String("\\"), QLatin1String("\\\\"));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

} // namespace

XdgAutostart::XdgAutostart(QString entryPath, QString program, QStringList arguments)
    : m_entryPath(std::move(entryPath)), m_program(std::move(program)), m_arguments(std::move(arguments))
{
}

bool XdgAutostart::isEnabled() const
{
    if (!QFileInfo::exists(m_entryPath))
        return false;
    const QSettings entry(m_entryPath, QSettings::IniFormat);
    return entry.value(QStringLiteral("Desktop Entry/Hidden")).toString() != QLatin1String("true");
}

bool XdgAutostart::setEnabled(bool bEnabled)
{
    if (!bEnabled)
        return !QFileInfo::exists(m_entryPath) || QFile::remove(m_entryPath);
    QStringList exec{execArgument(m_program)};
    for (const QString& argument : m_arguments)
        exec << execArgument(argument);
    QDir().mkpath(QFileInfo(m_entryPath).absolutePath());
    QSaveFile file(m_entryPath);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write("[Desktop Entry]\n"
               "Type=Application\n"
               "Name=OSKEN R5 Config\n"
               "Comment=Configure the OSKEN R5 wireless gaming mouse\n"
               "Icon=osken-config\n"
               "Terminal=false\n"
               "X-GNOME-Autostart-enabled=true\n");
    file.write("Exec=" + exec.join(QLatin1Char(' ')).toUtf8() + '\n');
    return file.commit();
}

std::unique_ptr<Autostart> makeAutostart(const QString& program, const QStringList& arguments)
{
    const QString folder =
        QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/autostart");
    return std::make_unique<XdgAutostart>(folder + QStringLiteral("/osken-config.desktop"), program, arguments);
}

} // namespace platform
