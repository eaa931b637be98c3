#include "app/profilebar/ProfileBarDialogs.h"

#include "look/UiText.h"
#include "widgets/FileDialogs.h"
#include "widgets/OrnMessageBox.h"

ProfileBarDialogs defaultProfileBarDialogs()
{
    ProfileBarDialogs dialogs;
    dialogs.message = [](int iKind, const QString& strText, QWidget* parent) {
        OrnMessageBox box(iKind, strText, uiText("Warning"), QString(), parent);
        return box.exec();
    };
    dialogs.openFile = [](QWidget* parent, const QString& strCaption, const QString& strFilter) {
        return widgets::openFileName(parent, strCaption, strFilter);
    };
    dialogs.saveFile = [](QWidget* parent, const QString& strCaption, const QString& strFilter) {
        return widgets::saveFileName(parent, strCaption, strFilter);
    };
    return dialogs;
}
