#pragma once

#include "session/SettingsSession.h"

#include <QDialog>
#include <QPixmap>

class QProgressBar;

// Small frameless dialog that blocks the main window while the session stores the working settings and
// writes what changed to the mouse, moving its bar at each step.
class OrnProcessDialog : public QDialog
{
    Q_OBJECT

public:
    explicit OrnProcessDialog(SettingsSession& session, QWidget* parent = nullptr);

    // Valid once exec() has returned.
    const WriteOutcome& outcome() const { return m_Outcome; }
    QProgressBar* progressBar() const { return m_pBar; }

public slots:
    void slotProcessDlg();
    void updateProgress();

    // The dialog ends only when the write-out has: Escape or a window close must not cut it short.
    void reject() override {}

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void setProgress(int iValue);

    SettingsSession& m_Session;
    QPixmap m_Picture;
    QProgressBar* m_pBar = nullptr;
    WriteOutcome m_Outcome;
};

// The bar's style sheet with the chunk in the given theme colour.
QString processBarStyleSheet(int iRed, int iGreen, int iBlue);
