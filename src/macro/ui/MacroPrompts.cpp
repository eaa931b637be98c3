#include "macro/ui/MacroPrompts.h"

#include "macro/ui/OrnGunsetDialog.h"
#include "widgets/FileDialogs.h"
#include "widgets/OrnMessageBox.h"

#include <QPointer>

MacroPrompts defaultMacroPrompts(QWidget* parent)
{
    QPointer<QWidget> owner(parent);
    MacroPrompts prompts;
    prompts.warn = [owner](const QString& strText, const QString& strTitle) {
        OrnMessageBox box(2, strText, strTitle, QString(), owner.data());
        box.exec();
    };
    prompts.confirm = [owner](const QString& strText, const QString& strTitle) {
        OrnMessageBox box(1, strText, strTitle, QString(), owner.data());
        return box.exec() == 1;
    };
    prompts.openFile = [owner](const QString& strTitle, const QString& strFilter) {
        return widgets::openFileName(owner.data(), strTitle, strFilter);
    };
    prompts.openFiles = [owner](const QString& strTitle, const QString& strFilter) {
        return widgets::openFileNames(owner.data(), strTitle, strFilter);
    };
    prompts.saveFile = [owner](const QString& strTitle, const QString& strFilter) {
        return widgets::saveFileName(owner.data(), strTitle, strFilter);
    };
    prompts.chooseFolder = [owner](const QString& strTitle, const QString& strStart) {
        return widgets::existingDirectory(owner.data(), strTitle, strStart);
    };
    prompts.runGunset = [](OrnGunsetDialog& dialog) { return dialog.exec() == QDialog::Accepted; };
    return prompts;
}
