#pragma once

#include <QColor>
#include <QPixmap>
#include <QWidget>

// The saturation/value square: white to the pure hue from left to right, darkening to black downwards.
// Its side, whatever the display scale, stands for 0..255 of saturation and value.
class SVColorArea : public QWidget
{
    Q_OBJECT
public:
    explicit SVColorArea(QWidget* parent = nullptr);

    // Setters show the values without emitting.
    void setHue(int iHue);
    void setValue(int iV);
    void setHsv(int iHue, int iS, int iV);
    void setColor(const QColor& color);
    int hue() const { return m_iHue; }
    int saturation() const { return m_iS; }
    int value() const { return m_iV; }
    int side() const { return m_iSide; }
    // Marker position inside the square, in pixels.
    QPoint markerPosition() const { return QPoint(m_iMarkerX, m_iMarkerY); }
    // Top-left corner of the square inside the widget (room for the marker at the edges).
    int margin() const;
    void applyScale();

signals:
    void svChangedSignal(int iHue, int iS, int iV);
    void mouseReleaseSignal();

public slots:
    void hueChangedSlot(int iHue);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void pickAt(const QPointF& point);
    void placeMarker();
    void buildPicture();

    int m_iHue = 0;
    int m_iS = 0;
    int m_iV = 0;
    int m_iMarkerX = 0;
    int m_iMarkerY = 0;
    int m_iSide = 128;
    QPixmap m_Picture;
};
