#include "app/profilebar/ProfileBarDialogs.h"

#include "look/UiText.h"
#include "widgets/OrnMessageBox.h"

#include <QFileDialog>

ProfileBarDialogs defaultProfileBarDialogs()
{
    ProfileBarDialogs dialogs;
    dialogs.message = [](int iKind, const QString& strText, QWidget* parent) {
        OrnMessageBox box(iKind, strText, uiText("Warning"), QString(), parent);
        return box.exec();
    };
    dialogs.openFile = [](QWidget* parent, const QString& strCaption, const QString& strFilter) {
        return QFileDialog::getOpenFileName(parent, strCaption, QString(), strFilter);
    };
    dialogs.saveFile = [](QWidget* parent, const QString& strCaption, const QString& strFilter) {
        return QFileDialog::getSaveFileName(parent, strCaption, QString(), strFilter);
    };
    return dialogs;
}
