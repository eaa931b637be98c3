#pragma once

#include "widgets/OrnLabel.h"
#include <QPointer>
#include <QSlider>

// A slider that can show its value in a bubble above the handle while it is dragged.
class OrnSlider : public QSlider
{
    Q_OBJECT
public:
    explicit OrnSlider(QWidget* parent = nullptr);
    explicit OrnSlider(Qt::Orientation orientation, QWidget* parent = nullptr);
    ~OrnSlider() override;

    void setBubbleEnabled(bool bEnable);
    bool isDragging() const { return m_bDragging; }
    OrnLabel* bubble() const { return m_pBubble; }
    // Horizontal centre of the bubble in the slider's coordinates for a value.
    int bubbleCentreX(int iValue) const;

signals:
    void MouseChange();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void showBubble();
    void placeBubble();

    // Lives in the window so it can float above the slider; the window may delete it first.
    QPointer<OrnLabel> m_pBubble;
    bool m_bBubble = false;
    bool m_bDragging = false;
};
