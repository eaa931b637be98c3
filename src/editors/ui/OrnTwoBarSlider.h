#pragma once

#include <QWidget>

class OrnSlider;

// The bar of one DPI stage: X and Y sliders when the axes are set apart, one linked slider otherwise.
class OrnTwoBarSlider : public QWidget
{
    Q_OBJECT
public:
    OrnTwoBarSlider(QWidget* parent, int iMax, int iMin);

    void setRange(int iMax, int iMin);
    int maximum() const { return m_iMax; }
    int minimum() const { return m_iMin; }
    // Linked: only the linked slider takes x; otherwise X takes x and Y takes y. Values are clamped.
    void setValues(int iX, int iY);
    // Switching keeps the values the user sees: linking moves the linked slider to X, unlinking moves
    // X and Y to the linked value. Emits SliderChangedSignal with the values now in force.
    void setLinked(quint8 bLinked);
    quint8 linked() const { return m_bLinked; }
    int xValue() const;
    int yValue() const;
    // Lays the sliders out for the display scale.
    void applyScale();

    OrnSlider* xSlider() const { return m_pX; }
    OrnSlider* ySlider() const { return m_pY; }
    OrnSlider* linkedSlider() const { return m_pLinked; }

    static constexpr int kBaseWidth = 331;
    static constexpr int kBaseHeight = 30;

signals:
    void SliderChangedSignal(int iX, int iY);

private:
    void onXChanged(int iValue);
    void onYChanged(int iValue);
    void onLinkedChanged(int iValue);

    OrnSlider* m_pX;
    OrnSlider* m_pY;
    OrnSlider* m_pLinked;
    int m_iMax;
    int m_iMin;
    quint8 m_bLinked = 0;
};
