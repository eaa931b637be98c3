#include "platform/linux/DesktopPointerSpeed.h"

#include "log/Log.h"
#include "platform/linux/PointerSpeedScale.h"

#include <QDebug>
#include <QRegularExpression>

namespace platform {

namespace {

const QString kGsettings = QStringLiteral("gsettings");
const QString kXinput = QStringLiteral("xinput");
const QString kGnomeSchema = QStringLiteral("org.gnome.desktop.peripherals.mouse");
const QString kGnomeKey = QStringLiteral("speed");
const QString kAccelProperty = QStringLiteral("libinput Accel Speed");

std::optional<double> parseNumber(const QByteArray& text)
{
    bool bOk = false;
    const double value = QString::fromUtf8(text).trimmed().toDouble(&bOk);
    if (!bOk)
        return std::nullopt;
    return value;
}

QString accelText(double accel)
{
    return QString::number(accel, 'f', 4);
}

} // namespace

DesktopPointerSpeed::DesktopPointerSpeed(QProcessEnvironment environment, CommandRunner runner)
    : m_environment(std::move(environment)), m_run(std::move(runner))
{
}

PointerSpeedBackend DesktopPointerSpeed::backend()
{
    if (m_backend)
        return *m_backend;
    m_backend = PointerSpeedBackend::StoredOnly;
    const QString desktop = m_environment.value(QStringLiteral("XDG_CURRENT_DESKTOP")).toLower();
    if ((desktop.contains(QLatin1String("gnome")) || desktop.contains(QLatin1String("unity"))) && readGnome()) {
        m_backend = PointerSpeedBackend::Gnome;
    } else if (!m_environment.value(QStringLiteral("DISPLAY")).isEmpty() &&
               m_environment.value(QStringLiteral("XDG_SESSION_TYPE")) != QLatin1String("wayland")) {
        std::optional<double> first;
        if (!xinputAccelDevices(&first).isEmpty())
            m_backend = PointerSpeedBackend::Xinput;
    }
    return *m_backend;
}

int DesktopPointerSpeed::currentSpeed(int iStoredSpeed)
{
    std::optional<double> accel;
    switch (backend()) {
    case PointerSpeedBackend::Gnome:
        accel = readGnome();
        break;
    case PointerSpeedBackend::Xinput:
        accel = readXinput();
        break;
    case PointerSpeedBackend::StoredOnly:
        break;
    }
    if (accel)
        return speedFromAccel(*accel);
    return m_lastApplied.value_or(iStoredSpeed);
}

bool DesktopPointerSpeed::applySpeed(int iSpeed)
{
    if (iSpeed < kMinPointerSpeed || iSpeed > kMaxPointerSpeed) {
        qCDebug(lcPlatform, "Pointer speed %d out of range, not applied", iSpeed);
        return false;
    }
    m_lastApplied = iSpeed;
    const double accel = accelFromSpeed(iSpeed);
    bool bDone = false;
    switch (backend()) {
    case PointerSpeedBackend::Gnome:
        bDone = writeGnome(accel);
        break;
    case PointerSpeedBackend::Xinput:
        bDone = writeXinput(accel);
        break;
    case PointerSpeedBackend::StoredOnly:
        return false;
    }
    if (!bDone)
        qCDebug(lcPlatform, "Pointer speed %d not taken by the desktop", iSpeed);
    return bDone;
}

std::optional<double> DesktopPointerSpeed::readGnome()
{
    QByteArray output;
    if (!m_run(kGsettings, {QStringLiteral("get"), kGnomeSchema, kGnomeKey}, &output))
        return std::nullopt;
    return parseNumber(output);
}

bool DesktopPointerSpeed::writeGnome(double accel)
{
    return m_run(kGsettings, {QStringLiteral("set"), kGnomeSchema, kGnomeKey, accelText(accel)}, nullptr);
}

QStringList DesktopPointerSpeed::xinputAccelDevices(std::optional<double>* firstValue)
{
    QByteArray ids;
    if (!m_run(kXinput, {QStringLiteral("list"), QStringLiteral("--id-only")}, &ids))
        return {};
    // "	libinput Accel Speed (301):	0.000000"; the "Accel Speed Default" line is not the setting.
    static const QRegularExpression propertyLine(QStringLiteral("^\\s*libinput Accel Speed \\(\\d+\\):\\s*(\\S+)"),
                                                 QRegularExpression::MultilineOption);
    QStringList devices;
    for (const QByteArray& line : ids.split('\n')) {
        const QString id = QString::fromUtf8(line).trimmed();
        bool bNumber = false;
        id.toUInt(&bNumber);
        if (!bNumber)
            continue;
        QByteArray properties;
        if (!m_run(kXinput, {QStringLiteral("list-props"), id}, &properties))
            continue;
        const QRegularExpressionMatch match = propertyLine.match(QString::fromUtf8(properties));
        if (!match.hasMatch())
            continue;
        if (devices.isEmpty() && firstValue)
            *firstValue = parseNumber(match.captured(1).toUtf8());
        devices.append(id);
    }
    return devices;
}

std::optional<double> DesktopPointerSpeed::readXinput()
{
    std::optional<double> first;
    xinputAccelDevices(&first);
    return first;
}

bool DesktopPointerSpeed::writeXinput(double accel)
{
    // The computer's pointer speed is one setting for every mouse, as on Windows.
    const QStringList devices = xinputAccelDevices(nullptr);
    bool bAll = !devices.isEmpty();
    for (const QString& id : devices) {
        if (!m_run(kXinput, {QStringLiteral("set-prop"), id, kAccelProperty, accelText(accel)}, nullptr))
            bAll = false;
    }
    return bAll;
}

std::unique_ptr<PointerSpeed> makePointerSpeed()
{
    return std::make_unique<DesktopPointerSpeed>(QProcessEnvironment::systemEnvironment(), processRunner());
}

} // namespace platform
