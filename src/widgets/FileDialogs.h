#pragma once

#include <QString>
#include <QStringList>

class QFileDialog;
class QWidget;

// The file dialogs of the program: the toolkit's own dialog (never the system's), so it wears the dark style and
// speaks the program's language. Each returns an empty result when the user cancels.
namespace widgets {

QString openFileName(QWidget* parent, const QString& strCaption, const QString& strFilter,
                     const QString& strDir = QString());
QStringList openFileNames(QWidget* parent, const QString& strCaption, const QString& strFilter,
                          const QString& strDir = QString());
// A name typed without a suffix gets the filter's: "r5_slot1" is saved as "r5_slot1.prof", so that the file
// shows up when it is imported again.
QString saveFileName(QWidget* parent, const QString& strCaption, const QString& strFilter,
                     const QString& strDir = QString());
QString existingDirectory(QWidget* parent, const QString& strCaption, const QString& strDir = QString());

// The suffix of the filter's first pattern: "Profile File(*.prof)" gives "prof"; empty when it has none.
QString filterSuffix(const QString& strFilter);
// Dark style, translated labels, no native dialog; for callers that run a dialog of their own.
void prepareFileDialog(QFileDialog& dialog);

} // namespace widgets
