#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class OrnGunsetDialog;
class QWidget;

// Everything the macro editor asks the user outside its own widgets: warnings, file choices and the gun set
// dialog. The program uses the skinned boxes and the file dialogs; tests hand in their answers.
struct MacroPrompts
{
    std::function<void(const QString& strText, const QString& strTitle)> warn;
    // A question with "Yes" and "No": true for "Yes".
    std::function<bool(const QString& strText, const QString& strTitle)> confirm;
    std::function<QString(const QString& strTitle, const QString& strFilter)> openFile;
    std::function<QStringList(const QString& strTitle, const QString& strFilter)> openFiles;
    std::function<QString(const QString& strTitle, const QString& strFilter)> saveFile;
    std::function<QString(const QString& strTitle, const QString& strStart)> chooseFolder;
    // Runs the dialog modally; true when it was accepted.
    std::function<bool(OrnGunsetDialog& dialog)> runGunset;
};

MacroPrompts defaultMacroPrompts(QWidget* parent);
