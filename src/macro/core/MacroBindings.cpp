#include "macro/core/MacroBindings.h"

#include "buttons/core/ButtonFunction.h"
#include "macro/core/MacroFiles.h"
#include "store/DataPaths.h"
#include "store/IniFile.h"
#include "store/ProfileFiles.h"
#include "store/ProfileReading.h"

#include <QDir>
#include <QFileInfo>

namespace {

bool bindsFunction(int iFun)
{
    return iFun == ButtonFunction::Macro || iFun == ButtonFunction::GunFile;
}

// The profile files of the current product, the factory-defaults file aside.
QStringList profileFiles()
{
    QStringList paths;
    const QDir folder(profileDirectory());
    const QString defaults = QFileInfo(defaultProfilePath()).fileName();
    for (const QFileInfo& info : folder.entryInfoList({QStringLiteral("*.prof")}, QDir::Files)) {
        if (info.fileName() != defaults && mayReadSettingsFile(info.filePath()))
            paths << info.filePath();
    }
    return paths;
}

QString fieldKey(int iBtn, const char* field)
{
    return profileGroup() + QLatin1Char('/') + buttonFieldKey(iBtn, field);
}

// Buttons of a stored profile that bind `name`; read key by key, not as a whole record.
QList<int> boundButtons(const IniFile& file, const QString& name)
{
    QList<int> buttons;
    for (int b = 0; b < kButtonSlotCount; ++b) {
        if (bindsFunction(static_cast<int>(file.number(fieldKey(b, "Fun")))) &&
            file.text(fieldKey(b, "macroname")) == name)
            buttons << b;
    }
    return buttons;
}

bool slotBinds(const ProfileData& record, const QString& name)
{
    for (const ButtonInfo& button : record.buttons) {
        if (bindsMacro(button) && button.macroname == name)
            return true;
    }
    return false;
}

} // namespace

bool bindsMacro(const ButtonInfo& record)
{
    return bindsFunction(record.Fun);
}

QStringList missingMacros(const ProfileData& record)
{
    QStringList missing;
    for (const ButtonInfo& button : record.buttons) {
        if (bindsMacro(button) && !missing.contains(button.macroname) &&
            macroFileState(button.macroname) != MacroFileState::Ok)
            missing << button.macroname;
    }
    return missing;
}

QStringList macroUsers(const QString& name, const std::vector<const ConfigData*>& configs)
{
    QStringList users;
    for (const ConfigData* config : configs) {
        for (int i = 0; i < kSlotCount; ++i) {
            const QString& profile = config->slotProfileNames[i];
            if (slotBinds(config->slots[i], name) && !users.contains(profile))
                users << profile;
        }
    }
    for (const QString& path : profileFiles()) {
        const QString profile = QFileInfo(path).completeBaseName();
        if (!users.contains(profile) && !boundButtons(IniFile::read(path), name).isEmpty())
            users << profile;
    }
    return users;
}

void renameBindings(ConfigData& config, const QString& oldName, const QString& newName)
{
    for (ProfileData& record : config.slots) {
        for (ButtonInfo& button : record.buttons) {
            if (bindsMacro(button) && button.macroname == oldName)
                button.macroname = newName;
        }
    }
}

bool renameMacroBindings(const QString& oldName, const QString& newName, const std::vector<ConfigData*>& configs)
{
    for (ConfigData* config : configs)
        renameBindings(*config, oldName, newName);
    bool ok = true;
    for (const QString& path : profileFiles()) {
        IniFile file = IniFile::read(path);
        const QList<int> buttons = boundButtons(file, oldName);
        if (buttons.isEmpty())
            continue;
        // Only the names change: the rest of the file stays as it was written.
        for (int b : buttons)
            file.setText(fieldKey(b, "macroname"), newName);
        ok = file.save(path) && ok;
    }
    return ok;
}
