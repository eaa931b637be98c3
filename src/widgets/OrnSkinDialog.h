#pragma once

#include <QDialog>

// Base of the frameless dialogs: painted on "/skin/dlg.png" at the display scale, with a plain
// themed panel when the picture is missing, and moved by dragging anywhere on its background.
class OrnSkinDialog : public QDialog
{
    Q_OBJECT
public:
    explicit OrnSkinDialog(QWidget* parent = nullptr, Qt::WindowFlags flags = Qt::FramelessWindowHint);

    // Height of the painted title strip at scale 1.
    static constexpr int kTitleHeight = 30;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QPoint m_DragOffset;
    bool m_bDragging = false;
};
