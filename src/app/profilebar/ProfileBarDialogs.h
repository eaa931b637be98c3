#pragma once

#include <QString>

#include <functional>

class QWidget;

// The boxes and file dialogs the profile commands open, so that tests can answer them. Every member is
// set by defaultProfileBarDialogs().
struct ProfileBarDialogs
{
    // Kind 1 asks "Yes" / "No" and returns 1 for "Yes"; kind 2 informs with "Ok". Title "Warning".
    std::function<int(int iKind, const QString& strText, QWidget* parent)> message;
    // The chosen path, or an empty text when the user cancelled.
    std::function<QString(QWidget* parent, const QString& strCaption, const QString& strFilter)> openFile;
    std::function<QString(QWidget* parent, const QString& strCaption, const QString& strFilter)> saveFile;
};

// The skinned message box and the toolkit's file dialogs.
ProfileBarDialogs defaultProfileBarDialogs();

namespace ProfileBarMessage {
constexpr int Confirm = 1;
constexpr int Inform = 2;
} // namespace ProfileBarMessage
