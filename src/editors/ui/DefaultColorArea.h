#pragma once

#include <QColor>
#include <QWidget>

// A clickable colour swatch: the presets of the colour dialog and the lighting editor's colour preview.
class DefaultColorArea : public QWidget
{
    Q_OBJECT
public:
    explicit DefaultColorArea(QWidget* parent = nullptr);

    void setColor(const QColor& color);
    QColor color() const { return m_Color; }

signals:
    void ClickedSignal();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QColor m_Color = Qt::black;
};
