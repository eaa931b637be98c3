#pragma once

#include <QStringList>
#include <QWidget>
#include <array>

class OrnLabel;
class OrnMenu;
class OrnPushButton;
class QAction;
class QLineEdit;

// A row with a label that drops down a menu, three mutually exclusive picture buttons and a
// number field.
class OrnProfileMenuItem : public QWidget
{
    Q_OBJECT
public:
    static constexpr int kButtonCount = 3;

    // images: the pictures of each of the three buttons (unmarked, marked).
    explicit OrnProfileMenuItem(const QString& strText, QWidget* parent = nullptr,
                                const QStringList& images = {QStringLiteral("/skin/DPI-OFF.png"),
                                                             QStringLiteral("/skin/DPI-ON.png")});

    QString text() const;
    void setText(const QString& strText);
    OrnMenu* menu() const { return m_pMenu; }
    QAction* addMenuAction(const QString& strText);

    // 1 to 3 for the marked button, 0 when none is marked.
    int checkedIndex() const;
    void setCheckedIndex(int iIndex);
    OrnPushButton* button(int iIndex) const;

    // The field read as a decimal integer; 0 when it holds none.
    int number() const;
    void setNumber(int iNumber);
    QLineEdit* numberEdit() const { return m_pNumber; }

signals:
    void CheckBtnSignal(QWidget* item);

private slots:
    void onButtonEnter(OrnPushButton* button);
    void onMenuTriggered(QAction* action);
    void onLabelClick(OrnLabel* label);

private:
    OrnLabel* m_pLabel = nullptr;
    OrnMenu* m_pMenu = nullptr;
    std::array<OrnPushButton*, kButtonCount> m_Buttons{};
    QLineEdit* m_pNumber = nullptr;
};
