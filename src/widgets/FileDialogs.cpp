#include "widgets/FileDialogs.h"

#include "look/DisplayScale.h"
#include "look/UiText.h"
#include "widgets/DarkStyle.h"
#include "widgets/WidgetFont.h"

#include <QFileDialog>
#include <QRegularExpression>
#include <QSplitter>

namespace widgets {

namespace {

// Texts the toolkit's dialog translates in its own contexts; the translation files carry them.
[[maybe_unused]] const char* const kToolkitTexts[][2] = {
    QT_TRANSLATE_NOOP3("QFileDialog", "Back", ""),
    QT_TRANSLATE_NOOP3("QFileDialog", "Forward", ""),
    QT_TRANSLATE_NOOP3("QFileDialog", "Parent Directory", ""),
    QT_TRANSLATE_NOOP3("QFileDialog", "Create New Folder", ""),
    QT_TRANSLATE_NOOP3("QFileDialog", "List View", ""),
    QT_TRANSLATE_NOOP3("QFileDialog", "Detail View", ""),
    QT_TRANSLATE_NOOP3("QFileDialog", "&Rename", ""),
    QT_TRANSLATE_NOOP3("QFileDialog", "&Delete", ""),
    QT_TRANSLATE_NOOP3("QFileDialog", "Show &hidden files", ""),
    QT_TRANSLATE_NOOP3("QFileDialog", "&New Folder", ""),
    QT_TRANSLATE_NOOP3("QFileDialog", "New Folder", ""),
    QT_TRANSLATE_NOOP3("QFileDialog", "%1 already exists.\nDo you want to replace it?", ""),
    QT_TRANSLATE_NOOP3("QFileDialog", "Are you sure you want to delete '%1'?", ""),
    QT_TRANSLATE_NOOP3("QFileDialog", "Folder", "All other platforms"),
    QT_TRANSLATE_NOOP3("QFileDialog", "File Folder", "Match Windows Explorer"),
    QT_TRANSLATE_NOOP3("QFileDialog", "Drive", ""),
    QT_TRANSLATE_NOOP3("QFileSystemModel", "Name", ""),
    QT_TRANSLATE_NOOP3("QFileSystemModel", "Size", ""),
    QT_TRANSLATE_NOOP3("QFileSystemModel", "Type", "All other platforms"),
    QT_TRANSLATE_NOOP3("QFileSystemModel", "Date Modified", ""),
    QT_TRANSLATE_NOOP3("QFileSystemModel", "My Computer", ""),
    QT_TRANSLATE_NOOP3("QFileSystemModel", "Computer", ""),
    QT_TRANSLATE_NOOP3("QPlatformTheme", "&Yes", ""),
    QT_TRANSLATE_NOOP3("QPlatformTheme", "&No", ""),
};

// What the dark rules do not cover in the dialog: its fields, lists and push buttons.
QString fileDialogStyleSheet()
{
    const QColor theme = themeColor();
    const QString strTheme = QStringLiteral("rgb(%1,%2,%3)").arg(theme.red()).arg(theme.green()).arg(theme.blue());
    return darkStyleSheet() +
           QStringLiteral(
               " QFileDialog { background-color: rgb(28,28,30); }"
               " QFileDialog QLabel { color: rgb(225,225,225); }"
               " QFileDialog QLineEdit, QFileDialog QComboBox { background-color: rgb(36,36,40);"
               " color: rgb(230,230,230); border: 1px solid rgb(80,80,84); border-radius: 3px; padding: 2px 6px; }"
               " QFileDialog QComboBox::drop-down { border: none; }"
               " QFileDialog QComboBox QAbstractItemView { background-color: rgb(36,36,40); color: rgb(230,230,230);"
               " selection-background-color: rgb(70,70,74); }"
               " QFileDialog QTreeView, QFileDialog QListView { background-color: rgb(22,22,24);"
               " color: rgb(225,225,225); border: 1px solid rgb(60,60,64); selection-background-color: rgb(70,70,74);"
               " selection-color: white; }"
               " QFileDialog QPushButton, QMessageBox QPushButton { background-color: black; color: white;"
               " border: 1px solid %1; border-radius: 3px; padding: 4px 16px; }"
               " QFileDialog QPushButton:hover, QMessageBox QPushButton:hover { background-color: rgb(35,35,35); }"
               " QFileDialog QPushButton:disabled { color: rgb(110,110,110); border-color: rgb(70,70,70); }"
               " QFileDialog QToolButton { background: transparent; border: 1px solid transparent;"
               " border-radius: 3px; }"
               " QFileDialog QToolButton:hover { border-color: rgb(90,90,96); }"
               " QMessageBox { background-color: rgb(28,28,30); } QMessageBox QLabel { color: rgb(225,225,225); }")
               .arg(strTheme);
}

QStringList runDialog(QWidget* parent, const QString& strCaption, const QString& strFilter, const QString& strDir,
                      QFileDialog::FileMode mode, QFileDialog::AcceptMode accept)
{
    QFileDialog dialog(parent, strCaption, strDir, strFilter);
    dialog.setFileMode(mode);
    dialog.setAcceptMode(accept);
    if (mode == QFileDialog::Directory)
        dialog.setOption(QFileDialog::ShowDirsOnly);
    if (accept == QFileDialog::AcceptSave)
        dialog.setDefaultSuffix(filterSuffix(strFilter));
    prepareFileDialog(dialog);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.selectedFiles();
}

} // namespace

void prepareFileDialog(QFileDialog& dialog)
{
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    // Room for the date column and the place names at every scale.
    dialog.resize(look::scaled(760), look::scaled(460));
    if (auto* splitter = dialog.findChild<QSplitter*>(QStringLiteral("splitter")))
        splitter->setSizes({look::scaled(150), look::scaled(600)});
    dialog.setStyleSheet(fileDialogStyleSheet());
    dialog.setPalette(darkPalette());
    dialog.setFont(scaledLanguageFont());
    dialog.setLabelText(QFileDialog::LookIn, uiText("Look in:"));
    dialog.setLabelText(QFileDialog::FileName, uiText("File name:"));
    dialog.setLabelText(QFileDialog::FileType, uiText("Files of type:"));
    dialog.setLabelText(QFileDialog::Accept,
                        dialog.acceptMode() == QFileDialog::AcceptSave ? uiText("Save") : uiText("Open"));
    dialog.setLabelText(QFileDialog::Reject, uiText("Cancel"));
}

QString filterSuffix(const QString& strFilter)
{
    static const QRegularExpression pattern(QStringLiteral("\\*\\.([A-Za-z0-9_]+)"));
    return pattern.match(strFilter).captured(1);
}

QString openFileName(QWidget* parent, const QString& strCaption, const QString& strFilter, const QString& strDir)
{
    return runDialog(parent, strCaption, strFilter, strDir, QFileDialog::ExistingFile, QFileDialog::AcceptOpen)
        .value(0);
}

QStringList openFileNames(QWidget* parent, const QString& strCaption, const QString& strFilter, const QString& strDir)
{
    return runDialog(parent, strCaption, strFilter, strDir, QFileDialog::ExistingFiles, QFileDialog::AcceptOpen);
}

QString saveFileName(QWidget* parent, const QString& strCaption, const QString& strFilter, const QString& strDir)
{
    return runDialog(parent, strCaption, strFilter, strDir, QFileDialog::AnyFile, QFileDialog::AcceptSave).value(0);
}

QString existingDirectory(QWidget* parent, const QString& strCaption, const QString& strDir)
{
    return runDialog(parent, strCaption, QString(), strDir, QFileDialog::Directory, QFileDialog::AcceptOpen).value(0);
}

} // namespace widgets
