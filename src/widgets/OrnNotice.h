#pragma once

#include <QWidget>

class QTimer;

// A short statement that goes away by itself ("Saved to mouse"), for outcomes that need no answer. It floats
// inside its parent window above the widget it is about.
class OrnNotice : public QWidget
{
    Q_OBJECT
public:
    static constexpr int kShowMs = 2500;

    explicit OrnNotice(QWidget* parent);

    // Shows the text centred above `anchor` (in the parent's coordinates) for iMs milliseconds.
    void popUp(const QString& strText, const QRect& anchor, int iMs = kShowMs);
    QString text() const { return m_strText; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QString m_strText;
    QTimer* m_pTimer;
};
