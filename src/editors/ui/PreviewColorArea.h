#pragma once

#include <QColor>
#include <QWidget>

// The colour being edited in the colour dialog.
class PreviewColorArea : public QWidget
{
    Q_OBJECT
public:
    explicit PreviewColorArea(QWidget* parent = nullptr);

    void setColor(const QColor& color);
    QColor color() const { return m_Color; }

signals:
    void svChangedSignal(int iHue, int iS, int iV);

public slots:
    // Takes the colour from hue, saturation and value (a hue of 360 or more is 0) and passes them on.
    void svChangedSlot(int iHue, int iS, int iV);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_Color = Qt::black;
};
