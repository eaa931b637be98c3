#include "platform/Autostart.h"

#include <QDir>
#include <QSettings>

namespace platform {

namespace {

const QString kRunKey = QStringLiteral("HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Run");
const QString kValueName = QStringLiteral("osken-config");

class RunKeyAutostart : public Autostart
{
public:
    RunKeyAutostart(QString program, QStringList arguments)
        : m_program(std::move(program)), m_arguments(std::move(arguments))
    {
    }

    bool isEnabled() const override { return QSettings(kRunKey, QSettings::NativeFormat).contains(kValueName); }

    bool setEnabled(bool bEnabled) override
    {
        QSettings run(kRunKey, QSettings::NativeFormat);
        if (bEnabled) {
            QString command = QLatin1Char('"') + QDir::toNativeSeparators(m_program) + QLatin1Char('"');
            for (const QString& argument : m_arguments)
                command += QLatin1Char(' ') + argument;
            run.setValue(kValueName, command);
        } else {
            run.remove(kValueName);
        }
        run.sync();
        return run.status() == QSettings::NoError;
    }

private:
    QString m_program;
    QStringList m_arguments;
};

} // namespace

std::unique_ptr<Autostart> makeAutostart(const QString& program, const QStringList& arguments)
{
    return std::make_unique<RunKeyAutostart>(program, arguments);
}

} // namespace platform
