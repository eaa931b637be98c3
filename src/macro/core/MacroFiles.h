#pragma once

#include "macro/core/MacroEvent.h"
#include "store/ConfigData.h"

#include <QString>
#include <QStringList>

#include <vector>

// Macro files: macroDirectory() + "/" + name + ".MSMACRO", every key in the group "Setting". Names also come
// from profile and imported files, so a name that is not a plain file name (isSafeFileName) touches no file.
constexpr int kMaxMacroCount = 50; // entries MACRO_LIST/0 .. MACRO_LIST/49 of the program-wide settings

struct MacroFile
{
    int DefaultDelay = 10; // ms
    int DelayType = 0;     // 0 none, 1 record delays, 2 insert default delay
    int LoopType = 0;      // 0 none, 1 loop count, 2 repeat while held, 3 repeat until pressed again
    int LoopTime = 1;
    std::vector<MacroEvent> events;
};

QString macroFilePath(const QString& name);

// Whether a macro a button names can be sent: its file is there and reads as a macro file.
enum class MacroFileState
{
    Ok,
    Missing,    // no file of that name (or a name that cannot be a file)
    Unreadable, // not a regular file, cannot be opened, malformed, or no Setting/Count
};
MacroFileState macroFileState(const QString& name);

// Writes the whole file and WriteSign = 1; events past the new count that the file held stay in it. True when
// the file was written.
bool saveMacro(const QString& name, const MacroFile& macro);
// Reads a file; a missing or unreadable file gives an empty macro (every field 0, no events): callers that
// must not send an empty macro in its place ask macroFileState first. Reads at most kMacroReadLimit events
// whatever Count claims.
constexpr int kMacroReadLimit = 1000;
MacroFile readMacro(const QString& name);
bool macroFileExists(const QString& name);
// Removes the file if it exists.
void deleteMacroFile(const QString& name);
// A button bound to a macro carries a copy of its events (as many as the record holds) and their count,
// taken from the file of the record's macroname.
void copyMacroEvents(ButtonInfo& record);

// The name list. Each returns false when it changed nothing.
bool addMacroName(const QString& name);                               // first empty entry; false when full
bool removeMacroName(const QString& name);                            // empties the first equal entry
bool renameMacroName(const QString& oldName, const QString& newName); // the first equal entry
int countMacroNames();
QStringList listMacroNames(); // non-empty entries in index order

// "name_%d" with the smallest n from 1 whose file does not exist.
QString newMacroName();
// The wanted name, or with "_2", "_3", ... appended until no file of that name exists.
QString freeMacroName(const QString& wanted);

// Creating a macro: refused (empty result) when the list holds kMaxMacroCount names; else an empty macro is
// saved under newMacroName() and its name added to the list.
QString createMacro();
// Renames the file (when it exists) and the list entry; returns the name used (see freeMacroName), or an
// empty string when either name is not a plain file name.
QString renameMacro(const QString& oldName, const QString& wanted);
// Removes the list entry, then the file.
void deleteMacro(const QString& name);
