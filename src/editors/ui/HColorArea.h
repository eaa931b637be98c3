#pragma once

#include <QPixmap>
#include <QWidget>

// The hue strip of the colour dialog: 360 at the top, 0 at the bottom, a triangle at the current hue.
class HColorArea : public QWidget
{
    Q_OBJECT
public:
    explicit HColorArea(QWidget* parent = nullptr);

    // Shows the hue (0..360) without emitting.
    void setHue(int iHue);
    int hue() const { return m_iHue; }
    // Pixel height of the hue range (128 at scale 1); the widget adds the margins above and below.
    void applyScale();

    static constexpr int kBaseStripWidth = 18;
    static constexpr int kBaseMarkerWidth = 9;

signals:
    void hueChangedSignal(int iHue);
    void mouseReleaseSignal();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void pickAt(double dY);
    void buildStrip();

    int m_iHue = 0;
    int m_iHeight = 128;
    QPixmap m_Strip;
};
