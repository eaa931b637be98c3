#include "store/AppSettings.h"

#include "store/DataPaths.h"
#include "store/SettingsValue.h"

#include <QFileInfo>

namespace {

int readProgramInt(const QString& key)
{
    const QSettings settings(programConfigPath(), QSettings::IniFormat);
    return readNumber<int>(settings, key);
}

bool writeProgramValue(const QString& key, const QVariant& value)
{
    QSettings settings(programConfigPath(), QSettings::IniFormat);
    settings.setValue(key, value);
    return syncSettings(settings);
}

int readProductInt(const QString& key)
{
    const QSettings settings(productConfigPath(), QSettings::IniFormat);
    return readNumber<int>(settings, key);
}

bool writeProductValue(const QString& key, const QVariant& value)
{
    QSettings settings(productConfigPath(), QSettings::IniFormat);
    settings.setValue(key, value);
    return syncSettings(settings);
}

} // namespace

int readLangId()
{
    return readProgramInt(QStringLiteral("Config/LangID"));
}

bool writeLangId(int iLangId)
{
    return writeProgramValue(QStringLiteral("Config/LangID"), iLangId);
}

QString readCurrentProductName()
{
    const QSettings settings(programConfigPath(), QSettings::IniFormat);
    return readText(settings, QStringLiteral("Config/CurrentProductName"));
}

bool writeCurrentProductName(const QString& name)
{
    return writeProgramValue(QStringLiteral("Config/CurrentProductName"), name);
}

int readGColorId()
{
    return readProgramInt(QStringLiteral("Config/GColorID"));
}

bool writeGColorId(int iColorId)
{
    return writeProgramValue(QStringLiteral("Config/GColorID"), iColorId);
}

bool readOsdNotifications()
{
    return readProgramInt(QStringLiteral("Config/OsdNotifications")) == 1;
}

bool writeOsdNotifications(bool bOn)
{
    return writeProgramValue(QStringLiteral("Config/OsdNotifications"), bOn ? 1 : 0);
}

int readSensorModel()
{
    return readProgramInt(QStringLiteral("MouseSenSor/") + readCurrentProductName());
}

int readLedModeSet()
{
    return readProgramInt(QStringLiteral("MouseLEDMode/") + readCurrentProductName());
}

QString readFontFamily(int iLangId)
{
    const QSettings settings(programConfigPath(), QSettings::IniFormat);
    return readText(settings, QStringLiteral("FONT_LIST/FONT_%1").arg(iLangId));
}

int readFontSize(int iLangId)
{
    // Stored unsigned; a size never needs the top bit, so the narrowing to int is harmless.
    return readProgramInt(QStringLiteral("FONT_LIST/FONT_SIZE_%1").arg(iLangId));
}

bool writeProfileId(int iProfileId)
{
    return writeProductValue(QStringLiteral("Config/ProfileID"), iProfileId);
}

int readDiff()
{
    return readProductInt(QStringLiteral("Config/Diff"));
}

bool writeDiff(int iDiff)
{
    return writeProductValue(QStringLiteral("Config/Diff"), iDiff);
}

int readBattery()
{
    return readProductInt(QStringLiteral("Config/Battery"));
}

bool writeBattery(int iBattery)
{
    return writeProductValue(QStringLiteral("Config/Battery"), iBattery);
}

bool mergeDefaultProgramConfig()
{
    const QString installedPath = programDirectory() + QStringLiteral("/Config.ini");
    if (!QFileInfo::exists(installedPath))
        return true;
    const QSettings installed(installedPath, QSettings::IniFormat);
    QSettings program(programConfigPath(), QSettings::IniFormat);
    bool changed = false;
    for (const QString& key : installed.allKeys()) {
        if (program.contains(key))
            continue;
        program.setValue(key, installed.value(key));
        changed = true;
    }
    return !changed || syncSettings(program);
}
