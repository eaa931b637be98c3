#pragma once

#include "app/profilebar/ProfileBarDialogs.h"
#include "app/profilebar/ProfileBarWindow.h"
#include "session/SettingsSession.h"

#include <QStringList>

// Stands in for the main window: records what the commands asked of it.
class FakeProfileBarWindow : public ProfileBarWindow
{
public:
    QWidget* dialogParent() override { return nullptr; }
    void refreshEditors() override { calls << "refreshEditors"; }
    void rebuildProfileMenu(const QStringList& profileList) override
    {
        calls << "rebuildProfileMenu";
        menu = profileList;
    }
    void showActiveSlot() override { calls << "showActiveSlot"; }
    void hideWindow() override { calls << "hideWindow"; }
    void showWriteOutcome(bool bLanded) override { landed << bLanded; }
    void selectSlot(int iSlot, bool bReload) override
    {
        calls << QString("selectSlot %1 %2").arg(iSlot).arg(bReload);
        // What the window does with the slot, when a test hands in the session.
        if (session) {
            (void)session->selectSlot(iSlot);
            if (bReload)
                session->revertSlot(iSlot);
        }
    }
    void setTexts() override { calls << "setTexts"; }
    void showLoadedConfiguration() override { calls << "showLoadedConfiguration"; }

    SettingsSession* session = nullptr;
    QStringList calls;
    QStringList menu;
    QList<bool> landed; // each write-out's outcome as the window was told
};

// Answers the boxes and file dialogs and remembers what they showed.
struct DialogAnswers
{
    QStringList messages; // the texts, in order
    QList<int> kinds;
    QStringList captions; // "caption|filter" of each file dialog
    QString openPath;
    QString savePath;
    int confirmAnswer = 1;

    ProfileBarDialogs dialogs()
    {
        ProfileBarDialogs d;
        d.message = [this](int iKind, const QString& text, QWidget*) {
            kinds << iKind;
            messages << text;
            return iKind == ProfileBarMessage::Confirm ? confirmAnswer : 1;
        };
        d.openFile = [this](QWidget*, const QString& caption, const QString& filter) {
            captions << caption + "|" + filter;
            return openPath;
        };
        d.saveFile = [this](QWidget*, const QString& caption, const QString& filter) {
            captions << caption + "|" + filter;
            return savePath;
        };
        return d;
    }
};
