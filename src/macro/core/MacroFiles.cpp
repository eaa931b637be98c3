#include "macro/core/MacroFiles.h"

#include "store/DataPaths.h"
#include "store/NameSafety.h"
#include "store/ProfileReading.h"
#include "store/SettingsValue.h"

#include <QDir>
#include <QFile>
#include <QSettings>

#include <algorithm>

namespace {

const QString kGroup = QStringLiteral("Setting/");
const QString kListGroup = QStringLiteral("MACRO_LIST/");
const QString kExtension = QStringLiteral(".MSMACRO");

QString listKey(int index)
{
    return kListGroup + QString::number(index);
}

QString eventKey(const char* field, int index)
{
    return kGroup + QLatin1String(field) + QString::number(index);
}

} // namespace

QString macroFilePath(const QString& name)
{
    return macroDirectory() + QLatin1Char('/') + name + kExtension;
}

bool macroFileExists(const QString& name)
{
    return isSafeFileName(name) && QFile::exists(macroFilePath(name));
}

MacroFileState macroFileState(const QString& name)
{
    if (!macroFileExists(name))
        return MacroFileState::Missing;
    const QString path = macroFilePath(name);
    // A FIFO or device node would block the reader for good.
    if (checkSourceFile(path) != ProfileFileResult::Done)
        return MacroFileState::Unreadable;
    const QSettings settings(path, QSettings::IniFormat);
    if (settings.status() != QSettings::NoError || !settings.contains(kGroup + QStringLiteral("Count")))
        return MacroFileState::Unreadable;
    return MacroFileState::Ok;
}

void copyMacroEvents(ButtonInfo& record)
{
    const MacroFile macro = readMacro(record.macroname);
    const size_t count = std::min(macro.events.size(), record.keys.size());
    record.KeyNumber = static_cast<qint32>(count);
    for (size_t i = 0; i < count; ++i)
        record.keys[i] = KeyInfo{macro.events[i].Map, macro.events[i].DataL, macro.events[i].DataH};
}

bool saveMacro(const QString& name, const MacroFile& macro)
{
    // Names come from profile files and imports too: never let one point outside the macro folder.
    if (!isSafeFileName(name))
        return false;
    if (!QDir().mkpath(macroDirectory()))
        return false;
    const QString path = macroFilePath(name);
    QSettings settings(path, QSettings::IniFormat);
    settings.setValue(kGroup + QStringLiteral("MacroFilePath"), path);
    settings.setValue(kGroup + QStringLiteral("DefaultDelay"), macro.DefaultDelay);
    settings.setValue(kGroup + QStringLiteral("DelayType"), macro.DelayType);
    settings.setValue(kGroup + QStringLiteral("LoopType"), macro.LoopType);
    settings.setValue(kGroup + QStringLiteral("LoopTime"), macro.LoopTime);
    const int count = static_cast<int>(macro.events.size());
    settings.setValue(kGroup + QStringLiteral("Count"), count);
    // Event values as decimal text, the form the editor has always written.
    for (int i = 0; i < count; ++i) {
        const MacroEvent& event = macro.events[static_cast<size_t>(i)];
        settings.setValue(eventKey("Map_", i), QString::number(event.Map));
        settings.setValue(eventKey("DataH_", i), QString::number(event.DataH));
        settings.setValue(eventKey("DataL_", i), QString::number(event.DataL));
    }
    settings.setValue(kGroup + QStringLiteral("WriteSign"), 1);
    return syncSettings(settings);
}

MacroFile readMacro(const QString& name)
{
    MacroFile macro;
    macro.DefaultDelay = 0;
    macro.LoopTime = 0;
    if (!macroFileExists(name) || !mayReadSettingsFile(macroFilePath(name)))
        return macro;
    const QSettings settings(macroFilePath(name), QSettings::IniFormat);
    if (settings.status() != QSettings::NoError)
        return macro;
    macro.DefaultDelay = readNumber<int>(settings, kGroup + QStringLiteral("DefaultDelay"));
    macro.DelayType = readNumber<int>(settings, kGroup + QStringLiteral("DelayType"));
    macro.LoopType = readNumber<int>(settings, kGroup + QStringLiteral("LoopType"));
    macro.LoopTime = readNumber<int>(settings, kGroup + QStringLiteral("LoopTime"));
    // Count comes from a file anyone can edit: bound it before it drives a loop.
    const qint64 count =
        qBound<qint64>(0, storedNumber(settings.value(kGroup + QStringLiteral("Count"))), kMacroReadLimit);
    macro.events.reserve(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        MacroEvent event;
        event.Map = readNumber<quint8>(settings, eventKey("Map_", i));
        event.DataH = readNumber<quint8>(settings, eventKey("DataH_", i));
        event.DataL = readNumber<quint8>(settings, eventKey("DataL_", i));
        macro.events.push_back(event);
    }
    return macro;
}

void deleteMacroFile(const QString& name)
{
    if (macroFileExists(name))
        QFile::remove(macroFilePath(name));
}

bool addMacroName(const QString& name)
{
    if (name.isEmpty())
        return false;
    QSettings settings(programConfigPath(), QSettings::IniFormat);
    for (int i = 0; i < kMaxMacroCount; ++i) {
        if (readText(settings, listKey(i)).isEmpty()) {
            settings.setValue(listKey(i), name);
            return syncSettings(settings);
        }
    }
    return false;
}

bool removeMacroName(const QString& name)
{
    if (name.isEmpty())
        return false;
    QSettings settings(programConfigPath(), QSettings::IniFormat);
    for (int i = 0; i < kMaxMacroCount; ++i) {
        if (readText(settings, listKey(i)) == name) {
            settings.setValue(listKey(i), QString());
            return syncSettings(settings);
        }
    }
    return false;
}

bool renameMacroName(const QString& oldName, const QString& newName)
{
    if (oldName.isEmpty() || newName.isEmpty())
        return false;
    QSettings settings(programConfigPath(), QSettings::IniFormat);
    for (int i = 0; i < kMaxMacroCount; ++i) {
        if (readText(settings, listKey(i)) == oldName) {
            settings.setValue(listKey(i), newName);
            return syncSettings(settings);
        }
    }
    return false;
}

QStringList listMacroNames()
{
    const QSettings settings(programConfigPath(), QSettings::IniFormat);
    QStringList names;
    for (int i = 0; i < kMaxMacroCount; ++i) {
        const QString name = readText(settings, listKey(i));
        if (!name.isEmpty())
            names << name;
    }
    return names;
}

int countMacroNames()
{
    return listMacroNames().size();
}

QString newMacroName()
{
    for (int n = 1;; ++n) {
        const QString name = QStringLiteral("name_%1").arg(n);
        if (!QFile::exists(macroFilePath(name)))
            return name;
    }
}

QString freeMacroName(const QString& wanted)
{
    if (!QFile::exists(macroFilePath(wanted)))
        return wanted;
    for (int n = 2;; ++n) {
        const QString name = wanted + QStringLiteral("_%1").arg(n);
        if (!QFile::exists(macroFilePath(name)))
            return name;
    }
}

QString createMacro()
{
    if (countMacroNames() >= kMaxMacroCount)
        return QString();
    const QString name = newMacroName();
    if (!saveMacro(name, MacroFile{}))
        return QString();
    addMacroName(name);
    return name;
}

QString renameMacro(const QString& oldName, const QString& wanted)
{
    if (!isSafeFileName(wanted) || !isSafeFileName(oldName))
        return QString();
    const QString name = freeMacroName(wanted);
    if (QFile::exists(macroFilePath(oldName)))
        QFile::rename(macroFilePath(oldName), macroFilePath(name));
    renameMacroName(oldName, name);
    return name;
}

void deleteMacro(const QString& name)
{
    removeMacroName(name);
    deleteMacroFile(name);
}
