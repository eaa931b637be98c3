#pragma once

#include "store/ConfigData.h"

#include <QStringList>

class QWidget;

// What the profile commands need from the main window. The window owns the widgets; the commands own
// the rules.
class ProfileBarWindow
{
public:
    virtual ~ProfileBarWindow() = default;

    // Parent of the message boxes and file dialogs.
    virtual QWidget* dialogParent() = 0;
    // Hands the active slot's record to the editor panels and marks the active slot's indicator.
    virtual void refreshEditors() = 0;
    // One menu entry per name, each choosing that profile.
    virtual void rebuildProfileMenu(const QStringList& profileList) = 0;
    // The active slot's entry text, and its profile name in the label and the name field.
    virtual void showActiveSlot() = 0;
    virtual void hideWindow() = 0;
    // A write-out ended: the marks of unapplied edits follow, and a write that landed is confirmed.
    virtual void showWriteOutcome(bool bLanded) = 0;
    // Makes the slot active; with bReload its record is read again from its profile file.
    virtual void selectSlot(int iSlot, bool bReload) = 0;
    // Sets every translated text of the window again.
    virtual void setTexts() = 0;
    // After a whole configuration was loaded: the first tab and the product's side-button pictures.
    virtual void showLoadedConfiguration() = 0;
};
