#pragma once

#include <QLabel>

// A label that paints its own text in the language font at the display scale. QLabel itself still
// paints a picture set with setPixmap.
class OrnLabel : public QLabel
{
    Q_OBJECT
public:
    explicit OrnLabel(QWidget* parent = nullptr);
    explicit OrnLabel(const QString& strText, QWidget* parent = nullptr);

    // These hide QLabel's: the text is painted here, not by QLabel.
    void setText(const QString& strText);
    QString text() const { return m_strText; }
    void setNum(int iNumber);

    // Replaces the language's pixel size; 0 goes back to it.
    void setFixedPixelSize(int iPixel);
    // Pixels taken off the font size before scaling.
    void setSizeReduction(int iReduce);
    void setDarkBackground(bool bDark);
    // A 1-pixel frame in this colour; an invalid colour draws none.
    void setBorderColor(const QColor& color);
    // The font the text is painted with right now.
    QFont paintFont() const;

signals:
    void EnterSignal(OrnLabel* label);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QString m_strText;
    int m_iFixedPixel = 0;
    int m_iReduce = 0;
    bool m_bDark = false;
    QColor m_BorderColor;
};
