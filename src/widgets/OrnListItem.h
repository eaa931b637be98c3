#pragma once

#include <QWidget>

class OrnLineEdit;
class QLabel;

// One row of the macro list. A delay row (type 6) also carries an editor for its delay, shown in
// milliseconds and stored in units of 10 ms in its two data bytes.
class OrnListItem : public QWidget
{
    Q_OBJECT
public:
    static constexpr quint8 kDelayType = 6;
    static constexpr int kMsPerUnit = 10;
    static constexpr int kMaxUnits = 0xFFFF;

    OrnListItem(quint8 iType, quint8 iDataH, quint8 iDataL, const QString& strText, QWidget* parent = nullptr);

    quint8 type() const { return m_iType; }
    quint8 dataH() const { return m_iDataH; }
    quint8 dataL() const { return m_iDataL; }
    int delayMs() const { return (m_iDataH * 256 + m_iDataL) * kMsPerUnit; }
    QString text() const;
    // Null for rows other than delay rows.
    OrnLineEdit* delayEdit() const { return m_pEdit; }

signals:
    // A delay row took a new value from its editor.
    void DelayChangedSignal(OrnListItem* item);

public slots:
    void editPressSlot();
    void lostFocusSlot();

private:
    void showDelay();

    quint8 m_iType;
    quint8 m_iDataH;
    quint8 m_iDataL;
    QLabel* m_pLabel = nullptr;
    OrnLineEdit* m_pEdit = nullptr;
};
