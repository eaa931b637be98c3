#pragma once

#include <QColor>
#include <QPushButton>
#include <QStringList>
#include <array>

// A picture button: image 0 normal, 1 hover or checked, 2 pressed, 3 disabled. It keeps its own
// enabled and checked flags, so a "disabled" button still reports hovering and keeps its look.
class OrnPushButton : public QPushButton
{
    Q_OBJECT
public:
    enum ImageIndex : quint8
    {
        kNormal = 0,
        kHover = 1,
        kPressed = 2,
        kDisabled = 3
    };
    static constexpr quint8 kBadgeUp = 253;
    static constexpr quint8 kBadgeDown = 254;

    // Paths beginning with "/skin/" are taken relative to the program directory.
    explicit OrnPushButton(const QStringList& images, QWidget* parent = nullptr,
                           const QString& strBackground = QString());

    void setImages(const QStringList& images);
    const QStringList& images() const { return m_Images; }

    // These hide the toolkit's versions on purpose: the button's look follows its own flags.
    void setChecked(bool bChecked);
    bool isChecked() const { return m_bChecked; }
    void setCheckable(bool bCheckable);
    void setEnabled(bool bEnable);
    bool isButtonEnabled() const { return m_bEnable; }

    // 0 nothing, 253 an up arrow, 254 a down arrow, anything else the number.
    void setBadge(quint8 iBadge);
    quint8 badge() const { return m_iBadge; }
    static QString badgeText(quint8 iBadge);

    // A text wider than the button ends in "..." and shows whole in the tooltip.
    void setElideText(bool bElide);
    bool elidesText() const { return m_bElide; }
    // Pixels kept clear of text at the left and right, e.g. for a drop-down arrow drawn in the picture.
    void setTextInsets(int iLeft, int iRight);
    // Width the text may take: the button less the insets and the badge, the badge kept clear on both sides
    // so the text stays centred.
    int textRoom() const;
    bool isTextElided() const;

    // A small dot in the corner that says "something here is not applied yet".
    void setMarked(bool bMarked);
    bool isMarked() const { return m_bMarked; }

    quint8 imageIndex() const { return m_iIndex; }
    void setTextColor(quint8 iIndex, const QColor& color);
    QColor textColor(quint8 iIndex) const;

    QSize sizeHint() const override;

signals:
    void OverSignal(OrnPushButton* button, quint8 bType);
    void EnterSignal(OrnPushButton* button);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void enterEvent(QEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    void setImageIndex(quint8 iIndex);
    void updateMask();
    QPixmap currentPicture() const;

    QStringList m_Images;
    QString m_strBackground;
    bool m_bCheckable = false;
    bool m_bChecked = false;
    bool m_bEnable = true;
    bool m_bEntered = false;
    bool m_bElide = false;
    int m_iInsetLeft = 0;
    int m_iInsetRight = 0;
    bool m_bMarked = false;
    quint8 m_iBadge = 0;
    quint8 m_iIndex = kNormal;
    std::array<QColor, 4> m_TextColors;
};
