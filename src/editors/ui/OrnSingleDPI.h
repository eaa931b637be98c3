#pragma once

#include <QColor>
#include <QWidget>

class OrnLabel;
class OrnPushButton;
class OrnTwoBarSlider;
class QCheckBox;

// One DPI stage of the DPI page: its bar (one or two sliders), the DPI numbers, the sensor's limits,
// the "Link XY" box and the button that puts the stage in or out of the mouse's cycle.
class OrnSingleDPI : public QWidget
{
    Q_OBJECT
public:
    OrnSingleDPI(QWidget* parent, quint8 iIndex);

    quint8 index() const { return m_iIndex; }
    int sensor() const { return m_iSensor; }
    // Sets the bar and the "X:%d" / "Y:%d" labels; values outside the sensor's range are clamped and the
    // clamped pair is what xValue()/yValue() report. No signal is emitted.
    void setValues(int iX, int iY);
    int xValue() const { return m_iX; }
    int yValue() const { return m_iY; }
    // 1 shows the single linked bar (Y follows X), anything else the X and Y bars. No signal is emitted.
    void setLinked(quint8 bLinked);
    quint8 linked() const { return m_bLinked; }
    // Shows the stage as in or out of the cycle. No signal is emitted.
    void setUsed(bool bUsed);
    bool used() const { return m_bUsed; }
    // Limits, range and "Link XY" of the sensor (unknown sensors keep what they had). The product name
    // decides the 3327 variant.
    void applySensorLimits(int iSensor);
    // Text colour of the title and the numbers; a framed stage is the current one.
    void setHighlight(const QColor& color, bool bFramed);
    QColor highlight() const { return m_Highlight; }
    void retranslateUi();
    void applyScale();

    OrnTwoBarSlider* slider() const { return m_pSlider; }
    QCheckBox* linkBox() const { return m_pLinkBox; }
    OrnPushButton* usedButton() const { return m_pUsedButton; }
    QString xText() const;
    QString yText() const;
    QString minText() const;
    QString maxText() const;

    static constexpr int kBaseWidth = 440;
    static constexpr int kBaseHeight = 48;

signals:
    void DPISignal(int iX, int iY, quint8 iIndex);
    void LinkSignal(quint8 bLinked, quint8 iIndex);
    void MouseinSignal(quint8 iIndex);
    // The on/off button was pressed; the page decides whether the stage may change.
    void UsedSignal(quint8 iIndex);

public slots:
    void onStateChanged(int iState);
    void onSliderChanged(int iX, int iY);
    void slotLabelClick(OrnLabel* label);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void showNumbers();
    void showColors();
    void onUsedPressed();

    quint8 m_iIndex;
    int m_iSensor = 3325;
    int m_iX = 1;
    int m_iY = 1;
    quint8 m_bLinked = 0;
    bool m_bUsed = false;
    QColor m_Highlight = Qt::white;
    bool m_bFramed = false;
    OrnLabel* m_pTitle;
    OrnLabel* m_pXLabel;
    OrnLabel* m_pYLabel;
    OrnLabel* m_pMinLabel;
    OrnLabel* m_pMaxLabel;
    QCheckBox* m_pLinkBox;
    OrnPushButton* m_pUsedButton;
    OrnTwoBarSlider* m_pSlider;
};
