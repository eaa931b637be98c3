#pragma once

#include "widgets/OrnSkinDialog.h"

#include <functional>

class QLabel;
class QTimer;
class QToolButton;

// The frameless box for every warning and question. Kind 1 asks "Yes" / "No"; every other kind
// has one "Ok". With the plug-in watch it closes itself (result 1) once the mouse is plugged in.
class OrnMessageBox : public OrnSkinDialog
{
    Q_OBJECT
public:
    static constexpr int kKindQuestion = 1;
    static constexpr int kPlugInWatchMs = 100;
    // Tells whether the mouse is plugged in; the owner holds the device state, the box only asks.
    using PlugInProbe = std::function<bool()>;

    OrnMessageBox(int iKind, const QString& strText, const QString& strTitle, const QString& strText2,
                  QWidget* parent = nullptr, bool bPlugInWatch = false, Qt::WindowFlags flags = Qt::FramelessWindowHint,
                  PlugInProbe probe = PlugInProbe());

    int kind() const { return m_iKind; }
    bool isWatching() const;

public slots:
    void GetPlugInSignal();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void layoutChildren();

    int m_iKind;
    PlugInProbe m_Probe;
    QTimer* m_pPlugInTimer = nullptr;
    QLabel* m_pIcon = nullptr;
    QLabel* m_pInfo1 = nullptr;
    QLabel* m_pInfo2 = nullptr;
    QToolButton* m_pYes = nullptr;
    QToolButton* m_pNo = nullptr;
};
