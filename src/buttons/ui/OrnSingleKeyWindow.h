#pragma once

#include "buttons/ui/OrnCaptureDialog.h"

class OrnLabel;

// "SINGLE KEY": the last key touched (press or release) is the key the button sends.
class OrnSingleKeyWindow : public OrnCaptureDialog
{
    Q_OBJECT
public:
    explicit OrnSingleKeyWindow(QWidget* parent = nullptr);

    // The record already holds a single key with this key code.
    void preset(int iCode);
    // 0 while no key was touched and nothing was preset.
    quint8 capturedCode() const { return m_iCode; }
    QString keyText() const;

signals:
    void SetSingleKeyValue(quint8 iCode);

protected:
    bool onKey(int iCode, quint32 flags) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void showKey(int iCode);

    OrnLabel* m_pKeyLabel = nullptr;
    bool m_bCapture = true;
    quint8 m_iCode = 0;
    int m_iLastCode = -1;
    quint32 m_iLastFlags = 0;
};
