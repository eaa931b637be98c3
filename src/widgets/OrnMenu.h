#pragma once

#include <QMenu>

// A drop-down menu in the shared dark style and the language font. Entries are painted here, their texts
// centred like the texts of the buttons the menus drop down from.
class OrnMenu : public QMenu
{
    Q_OBJECT
public:
    explicit OrnMenu(QWidget* parent = nullptr);
    explicit OrnMenu(const QString& strText, QWidget* parent = nullptr);

    void setText(const QString& strText) { m_strText = strText; }
    QString text() const { return m_strText; }
    // Applies the style and font again, e.g. after a language, theme or scale change.
    void refreshLook();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_strText;
};
