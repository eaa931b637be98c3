#pragma once

#include "buttons/ui/OrnCaptureDialog.h"
#include "store/ConfigData.h"

#include <array>

class OrnLabel;
class QCheckBox;
class QLineEdit;

// "FIRE KEY": the button fires a number of shots of a mouse button or a keyboard key at an interval.
class OrnFireKeyWindow : public OrnCaptureDialog
{
    Q_OBJECT
public:
    enum Source
    {
        kLeft = 0,
        kRight,
        kMiddle,
        kKeyboard,
        kSourceCount
    };

    explicit OrnFireKeyWindow(QWidget* parent = nullptr);

    // The record already holds a fire key.
    void preset(const ButtonInfo& record);
    void setSource(int iSource);
    int source() const { return m_iSource; }
    quint8 capturedCode() const { return m_iCode; }
    QString keyText() const;
    // The fire source stored in Res1: 81, 82, 84 (hex) for the buttons, else the key's HID usage (0 if none).
    quint8 sourceByte() const;
    // The edits as integers, 0 when not a number.
    int times() const;
    int delay() const;
    QLineEdit* timesEdit() const { return m_pTimes; }
    QLineEdit* delayEdit() const { return m_pDelay; }
    QCheckBox* sourceBox(int iSource) const { return m_Boxes[iSource]; }

    // Times 1 to 255, a delay of 10 to 999 ms, and for "Keyboard Key" a key the mouse can send.
    bool isComplete() const;
    // Refused until isComplete().
    void accept() override;

signals:
    void SetFireKeyValue(quint8 iCode, int iSource, int iTimes, int iDelay);

public slots:
    void onStateChanged(int state);
    void OnEditDataChanged(const QString& strText);
    void checkbtn_clicked();
    void onEditReturn();

protected:
    bool onKey(int iCode, quint32 flags) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void emitValue();
    void updateOkButton();

    std::array<QCheckBox*, kSourceCount> m_Boxes{};
    OrnLabel* m_pKeyLabel = nullptr;
    OrnLabel* m_pTimesLabel = nullptr;
    OrnLabel* m_pDelayLabel = nullptr;
    QLineEdit* m_pTimes = nullptr;
    QLineEdit* m_pDelay = nullptr;
    int m_iSource = kLeft;
    quint8 m_iCode = 0;
    bool m_bCapture = false;
    bool m_bSkipNext = false;
    int m_iLastCode = -1;
    quint32 m_iLastFlags = 0;
};
