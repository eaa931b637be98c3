#include "widgets/OrnListItem.h"

#include "log/Log.h"
#include "look/DisplayScale.h"
#include "widgets/OrnLineEdit.h"
#include "widgets/WidgetFont.h"

#include <QAbstractItemView>
#include <QDebug>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>

OrnListItem::OrnListItem(quint8 iType, quint8 iDataH, quint8 iDataL, const QString& strText, QWidget* parent)
    : QWidget(parent), m_iType(iType), m_iDataH(iDataH), m_iDataL(iDataL)
{
    setStyleSheet(QStringLiteral("color:black"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(look::scaled(4), 0, look::scaled(4), 0);
    layout->setSpacing(look::scaled(6));
    m_pLabel = new QLabel(strText, this);
    m_pLabel->setFont(widgets::scaledLanguageFont());
    layout->addWidget(m_pLabel, 1);
    if (m_iType == kDelayType) {
        m_pEdit = new OrnLineEdit(this);
        // Two data bytes hold at most 65535 units of 10 ms.
        m_pEdit->setValidator(new QIntValidator(0, kMaxUnits * kMsPerUnit, m_pEdit));
        m_pEdit->setFixedWidth(look::scaled(70));
        layout->addWidget(m_pEdit);
        connect(m_pEdit, &QLineEdit::returnPressed, this, &OrnListItem::editPressSlot);
        connect(m_pEdit, &OrnLineEdit::ornLostFocus, this, &OrnListItem::lostFocusSlot);
        showDelay();
    }
}

QString OrnListItem::text() const
{
    return m_pLabel->text();
}

void OrnListItem::showDelay()
{
    if (m_pEdit)
        m_pEdit->setText(QString::asprintf("%d", delayMs()));
}

void OrnListItem::editPressSlot()
{
    if (!m_pEdit)
        return;
    bool bOk = false;
    const qint64 iMs = m_pEdit->text().trimmed().toLongLong(&bOk);
    if (!bOk) {
        showDelay();
        return;
    }
    const int iUnits = static_cast<int>(qBound<qint64>(1, iMs / kMsPerUnit, kMaxUnits));
    m_iDataH = static_cast<quint8>(iUnits >> 8);
    m_iDataL = static_cast<quint8>(iUnits & 0xFF);
    showDelay();
    emit DelayChangedSignal(this);
}

void OrnListItem::lostFocusSlot()
{
    qCDebug(lcUi, "lostFocusSlot");
    // An edit not confirmed with Enter is dropped.
    showDelay();
    QWidget* list = parentWidget();
    for (QWidget* w = parentWidget(); w; w = w->parentWidget()) {
        if (qobject_cast<QAbstractItemView*>(w)) {
            list = w;
            break;
        }
    }
    if (list)
        list->setFocus(Qt::OtherFocusReason);
}
