#pragma once

#include "store/ConfigData.h"

#include <QDialog>
#include <QPixmap>

#include <atomic>

class QProgressBar;
class WorkingConfigStore;
struct WriteProfileContext;

// Small frameless dialog that blocks the main window during a write-out: stores the working settings,
// finds the sections that changed (stored through `store` when given, else with saveConfig) and writes them to the
// mouse, moving its bar at each step.
class OrnProcessDialog : public QDialog
{
    Q_OBJECT

public:
    OrnProcessDialog(WriteProfileContext& context, ConfigData& workingConfig, ConfigData& savedConfig,
                     const std::atomic<bool>& mouseAsleep, WorkingConfigStore* store = nullptr,
                     QWidget* parent = nullptr);

    // 0 done, 5 the mouse sleeps, 1, 2 or 4 the device failure; valid once exec() has returned.
    quint8 resultByte() const { return m_iResult; }
    // False when the settings files could not all be stored.
    bool filesStored() const { return m_bFilesStored; }
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

    WriteProfileContext& m_Context;
    ConfigData& m_Working;
    ConfigData& m_Saved;
    const std::atomic<bool>& m_bMouseAsleep;
    WorkingConfigStore* m_pStore;
    QPixmap m_Picture;
    QProgressBar* m_pBar = nullptr;
    quint8 m_iResult = 0;
    bool m_bFilesStored = true;
};

// The bar's style sheet with the chunk in the given theme colour.
QString processBarStyleSheet(int iRed, int iGreen, int iBlue);
