#pragma once

#include "platform/OsdMessage.h"

#include <QColor>
#include <QTimer>
#include <QWidget>

class QPropertyAnimation;

// The on-screen box: a translucent, frameless, always-on-top dark panel that shows one text in the
// theme colour, stays for the message's time and then fades out.
class OsdBox : public QWidget
{
    Q_OBJECT
    // Painted, not the window's opacity, so the fade works without help from the window system.
    Q_PROPERTY(qreal fadeLevel READ fadeLevel WRITE setFadeLevel)

public:
    explicit OsdBox(QWidget* parent = nullptr);

    void showMessage(const platform::OsdMessage& message);
    QString text() const { return m_text; }
    // What the box paints: the text, cut with an ellipsis only when it is wider than the screen.
    QString shownText() const;
    QColor textColor() const { return m_color; }
    int holdMs() const { return m_hold.interval(); }
    qreal fadeLevel() const { return m_level; }
    void setFadeLevel(qreal level);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void startFade();

    QString m_text;
    QColor m_color;
    qreal m_level = 1.0;
    QTimer m_hold;
    QPropertyAnimation* m_fade;
};
