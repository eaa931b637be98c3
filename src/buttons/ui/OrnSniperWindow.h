#pragma once

#include "buttons/ui/OrnCaptureDialog.h"

class OrnLabel;
class QSlider;

// "SNIPER": while the button is held the mouse uses one sensor DPI step, chosen on a slider.
class OrnSniperWindow : public OrnCaptureDialog
{
    Q_OBJECT
public:
    // iSensor: the sensor number of the current product (MouseSenSor/<product>).
    explicit OrnSniperWindow(int iSensor, QWidget* parent = nullptr);

    // The record already holds a sniper with this step; steps outside the sensor's range get its default.
    void preset(int iStep);
    int step() const { return m_iStep; }
    int sensor() const { return m_iSensor; }
    QString dpiText() const;
    QSlider* slider() const { return m_pSlider; }

signals:
    void SetSniperValue(int iStep);

private slots:
    void onSliderChanged(int iValue);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void showDpi();

    int m_iSensor = 0;
    int m_iStep = 0;
    QSlider* m_pSlider = nullptr;
    OrnLabel* m_pDpiLabel = nullptr;
};
