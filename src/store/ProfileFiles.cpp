#include "store/ProfileFiles.h"

#include "store/AppSettings.h"
#include "store/ColorValue.h"
#include "store/DataPaths.h"
#include "store/NameSafety.h"
#include "store/ProfileDefaults.h"
#include "store/ProfileReading.h"
#include "store/SettingsValue.h"

#include <QFileInfo>
#include <QSet>

namespace {

const QString kMouseNameKey = QStringLiteral("MouseName/Name");

// Key texts of one record, without the group prefix.
QString stageKey(int iStage, const char* field)
{
    return QStringLiteral("DPI_INFO_") + QString::number(iStage) + QLatin1Char('_') + QLatin1String(field);
}

QString buttonKey(int iBtn, const char* field)
{
    return buttonFieldKey(iBtn, field);
}

// "_map", "_" (the low byte: the key text ends with the underscore) and "_H".
QString keyStepKey(int iBtn, int iStep, const char* suffix)
{
    return QStringLiteral("BUTTON_INFO_") + QString::number(iBtn) + QStringLiteral("_KeyInfo_") +
           QString::number(iStep) + QLatin1Char('_') + QLatin1String(suffix);
}

QString modeKey(int iMode, const char* field)
{
    return QStringLiteral("LedMode/LED_MODE_") + QString::number(iMode) + QLatin1Char('_') + QLatin1String(field);
}

// Reads keys below one group of a settings file that the caller keeps open.
struct GroupReader
{
    const QSettings& settings;
    QString prefix;

    QVariant value(const QString& key) const { return settings.value(prefix + key); }
    QString text(const QString& key) const { return readText(settings, prefix + key); }
};

template <typename T> void readInto(T& field, const GroupReader& reader, const QString& key)
{
    field = narrowedValue<T>(reader.value(key));
}

// Every key text one record is written with, in the writer's order.
QStringList buildRecordKeys()
{
    QStringList keys{QStringLiteral("pollrate"), QStringLiteral("dpi")};
    for (int i = 0; i < kDpiStageCount; ++i) {
        for (const char* field : {"used", "link", "xy", "x", "y"})
            keys << stageKey(i, field);
    }
    keys << QStringLiteral("mousespeed") << QStringLiteral("dbclickspeed") << QStringLiteral("scrollispage")
         << QStringLiteral("scrollspeed") << QStringLiteral("accelenable") << QStringLiteral("acee");
    for (int b = 0; b < kButtonSlotCount; ++b) {
        for (const char* field : {"ID", "Fun", "LoopNumber", "KeyNumber", "Res1", "Res2", "Res3", "Res4", "macroname"})
            keys << buttonKey(b, field);
        for (int k = 0; k < kKeyStepCount; ++k)
            keys << keyStepKey(b, k, "map") << keyStepKey(b, k, "") << keyStepKey(b, k, "H");
    }
    keys << QStringLiteral("ProfileName") << QStringLiteral("ProfilePath") << QStringLiteral("LedMode");
    for (int m = 0; m < kLedModeCount; ++m) {
        for (const char* field : {"RGB", "h", "s", "v", "bright", "breath"})
            keys << modeKey(m, field);
    }
    return keys;
}

} // namespace

QString profileGroup()
{
    return QStringLiteral("PROFILE");
}

QString configSlotGroup(int iSlot)
{
    return QStringLiteral("PROFILE_") + QString::number(iSlot);
}

void loadProfile(ProfileData& profile, const QString& path, const QString& group)
{
    // A FIFO or device node would block the reader for good: it reads as a missing file.
    if (!mayReadSettingsFile(path)) {
        profile = ProfileData{};
        return;
    }
    const QSettings settings(path, QSettings::IniFormat);
    loadProfile(profile, settings, group);
}

bool saveProfile(const ProfileData& profile, const QString& path, const QString& group)
{
    QSettings settings(path, QSettings::IniFormat);
    saveProfile(profile, settings, group);
    return syncSettings(settings);
}

void loadProfile(ProfileData& profile, const QSettings& file, const QString& group)
{
    const QString prefix = group + QLatin1Char('/');
    const GroupReader settings{file, prefix};
    ProfileData& p = profile;
    readInto(p.pollrate, settings, QStringLiteral("pollrate"));
    readInto(p.dpi, settings, QStringLiteral("dpi"));
    for (int i = 0; i < kDpiStageCount; ++i) {
        DpiInfo& stage = p.stages[i];
        readInto(stage.used, settings, stageKey(i, "used"));
        readInto(stage.link, settings, stageKey(i, "link"));
        readInto(stage.xy, settings, stageKey(i, "xy"));
        readInto(stage.x, settings, stageKey(i, "x"));
        readInto(stage.y, settings, stageKey(i, "y"));
    }
    readInto(p.mousespeed, settings, QStringLiteral("mousespeed"));
    readInto(p.dbclickspeed, settings, QStringLiteral("dbclickspeed"));
    readInto(p.scrollispage, settings, QStringLiteral("scrollispage"));
    readInto(p.scrollspeed, settings, QStringLiteral("scrollspeed"));
    readInto(p.accelenable, settings, QStringLiteral("accelenable"));
    readInto(p.acee, settings, QStringLiteral("acee"));
    for (int b = 0; b < kButtonSlotCount; ++b) {
        ButtonInfo& btn = p.buttons[b];
        readInto(btn.ID, settings, buttonKey(b, "ID"));
        readInto(btn.Fun, settings, buttonKey(b, "Fun"));
        readInto(btn.LoopNumber, settings, buttonKey(b, "LoopNumber"));
        readInto(btn.KeyNumber, settings, buttonKey(b, "KeyNumber"));
        readInto(btn.Res1, settings, buttonKey(b, "Res1"));
        readInto(btn.Res2, settings, buttonKey(b, "Res2"));
        readInto(btn.Res3, settings, buttonKey(b, "Res3"));
        readInto(btn.Res4, settings, buttonKey(b, "Res4"));
        btn.macroname = settings.text(buttonKey(b, "macroname"));
        for (int k = 0; k < kKeyStepCount; ++k) {
            readInto(btn.keys[k].map, settings, keyStepKey(b, k, "map"));
            readInto(btn.keys[k].low, settings, keyStepKey(b, k, ""));
            readInto(btn.keys[k].high, settings, keyStepKey(b, k, "H"));
        }
    }
    p.ProfileName = settings.text(QStringLiteral("ProfileName"));
    p.ProfilePath = settings.text(QStringLiteral("ProfilePath"));
    readInto(p.LedMode, settings, QStringLiteral("LedMode"));
    for (int m = 0; m < kLedModeCount; ++m) {
        LedModeInfo& mode = p.modes[m];
        mode.RGB = colorFromVariant(settings.value(modeKey(m, "RGB")));
        readInto(mode.h, settings, modeKey(m, "h"));
        readInto(mode.s, settings, modeKey(m, "s"));
        readInto(mode.v, settings, modeKey(m, "v"));
        readInto(mode.bright, settings, modeKey(m, "bright"));
        readInto(mode.breath, settings, modeKey(m, "breath"));
    }
}

void saveProfile(const ProfileData& profile, QSettings& settings, const QString& group)
{
    settings.beginGroup(group);
    const ProfileData& p = profile;
    // Numbers go in as int / uint so the file carries plain decimal text.
    settings.setValue(QStringLiteral("pollrate"), int(p.pollrate));
    settings.setValue(QStringLiteral("dpi"), int(p.dpi));
    for (int i = 0; i < kDpiStageCount; ++i) {
        const DpiInfo& stage = p.stages[i];
        settings.setValue(stageKey(i, "used"), int(stage.used));
        settings.setValue(stageKey(i, "link"), int(stage.link));
        settings.setValue(stageKey(i, "xy"), uint(stage.xy));
        settings.setValue(stageKey(i, "x"), uint(stage.x));
        settings.setValue(stageKey(i, "y"), uint(stage.y));
    }
    settings.setValue(QStringLiteral("mousespeed"), int(p.mousespeed));
    settings.setValue(QStringLiteral("dbclickspeed"), int(p.dbclickspeed));
    settings.setValue(QStringLiteral("scrollispage"), int(p.scrollispage));
    settings.setValue(QStringLiteral("scrollspeed"), int(p.scrollspeed));
    settings.setValue(QStringLiteral("accelenable"), int(p.accelenable));
    settings.setValue(QStringLiteral("acee"), int(p.acee));
    for (int b = 0; b < kButtonSlotCount; ++b) {
        const ButtonInfo& btn = p.buttons[b];
        settings.setValue(buttonKey(b, "ID"), int(btn.ID));
        settings.setValue(buttonKey(b, "Fun"), int(btn.Fun));
        settings.setValue(buttonKey(b, "LoopNumber"), int(btn.LoopNumber));
        settings.setValue(buttonKey(b, "KeyNumber"), int(btn.KeyNumber));
        settings.setValue(buttonKey(b, "Res1"), int(btn.Res1));
        settings.setValue(buttonKey(b, "Res2"), int(btn.Res2));
        settings.setValue(buttonKey(b, "Res3"), int(btn.Res3));
        settings.setValue(buttonKey(b, "Res4"), int(btn.Res4));
        settings.setValue(buttonKey(b, "macroname"), btn.macroname);
        for (int k = 0; k < kKeyStepCount; ++k) {
            settings.setValue(keyStepKey(b, k, "map"), int(btn.keys[k].map));
            settings.setValue(keyStepKey(b, k, ""), int(btn.keys[k].low));
            settings.setValue(keyStepKey(b, k, "H"), int(btn.keys[k].high));
        }
    }
    settings.setValue(QStringLiteral("ProfileName"), p.ProfileName);
    settings.setValue(QStringLiteral("ProfilePath"), p.ProfilePath);
    settings.setValue(QStringLiteral("LedMode"), int(p.LedMode));
    for (int m = 0; m < kLedModeCount; ++m) {
        const LedModeInfo& mode = p.modes[m];
        settings.setValue(modeKey(m, "RGB"), colorToVariant(mode.RGB));
        settings.setValue(modeKey(m, "h"), uint(mode.h));
        settings.setValue(modeKey(m, "s"), uint(mode.s));
        settings.setValue(modeKey(m, "v"), uint(mode.v));
        settings.setValue(modeKey(m, "bright"), uint(mode.bright));
        settings.setValue(modeKey(m, "breath"), uint(mode.breath));
    }
    settings.endGroup();
}

QString buttonFieldKey(int iBtn, const char* field)
{
    return QStringLiteral("BUTTON_INFO_") + QString::number(iBtn) + QLatin1Char('_') + QLatin1String(field);
}

bool holdsCompleteRecord(const QSettings& settings, const QString& group)
{
    static const QStringList kRecordKeys = buildRecordKeys();
    Q_ASSERT(kRecordKeys.size() == kProfileKeyCount);
    const QString prefix = group + QLatin1Char('/');
    QSet<QString> present;
    for (const QString& key : settings.allKeys()) {
        if (key.startsWith(prefix))
            present.insert(key.mid(prefix.size()));
    }
    if (present.size() < kProfileKeyCount)
        return false;
    for (const QString& key : kRecordKeys) {
        if (!present.contains(key))
            return false;
    }
    return true;
}

QString profileFilePath(const QString& name)
{
    return profileDirectory() + QLatin1Char('/') + name + ".prof";
}

QString defaultProfilePath()
{
    return profileFilePath(QStringLiteral("DefaultProfile"));
}

bool writeDefaultProfileFile()
{
    ProfileData defaults;
    setProfileDefaults(defaults);
    return saveProfile(defaults, defaultProfilePath(), profileGroup());
}

bool writeMouseName(const QString& path, const QString& productName)
{
    QSettings settings(path, QSettings::IniFormat);
    settings.setValue(kMouseNameKey, productName);
    return syncSettings(settings);
}

QString readMouseName(const QString& path)
{
    if (!mayReadSettingsFile(path))
        return QString();
    const QSettings settings(path, QSettings::IniFormat);
    return readText(settings, kMouseNameKey);
}

bool fileMatchesCurrentMouse(const QString& path)
{
    const QString product = readCurrentProductName();
    return !product.isEmpty() && readMouseName(path) == product;
}

bool saveActiveStage(ConfigData& config, quint8 iStage)
{
    config.activeSlot().dpi = iStage;
    const QString name = config.slotProfileNames[config.ProfileID % kSlotCount];
    if (!isValidProfileName(name))
        return false;
    // A file holding only this key would load as an empty record; a missing file is written whole by
    // the next saveConfig instead.
    const QString path = profileFilePath(name);
    if (!QFileInfo::exists(path))
        return true;
    QSettings settings(path, QSettings::IniFormat);
    settings.setValue(profileGroup() + QStringLiteral("/dpi"), int(iStage));
    return syncSettings(settings);
}
