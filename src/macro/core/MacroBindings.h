#pragma once

#include "store/ConfigData.h"

#include <QString>
#include <QStringList>

#include <vector>

// Buttons name their macro (function 200) or gun file (510) in ButtonInfo::macroname; these keep those
// names and the macro files in step.

// True for a record that runs the macro or gun file it names.
bool bindsMacro(const ButtonInfo& record);

// Names bound by `record`'s buttons whose macro file is missing or cannot be read (each once, in button
// order): sending would put an empty macro on the mouse in their place.
QStringList missingMacros(const ProfileData& record);

// The profiles that bind `name`: every profile file of the current product, and the slots of the configs
// handed in (the settings held in memory, which may not be stored yet). Each profile name once.
QStringList macroUsers(const QString& name, const std::vector<const ConfigData*>& configs);

// Every binding of `oldName` in `config` becomes `newName`.
void renameBindings(ConfigData& config, const QString& oldName, const QString& newName);

// After a macro was renamed: every binding of `oldName` becomes `newName`, in the profile files of the
// current product and in the configs handed in. False when a profile file could not be stored.
[[nodiscard]] bool renameMacroBindings(const QString& oldName, const QString& newName,
                                       const std::vector<ConfigData*>& configs);
