#include "widgets/OrnTranslucentDialog.h"

#include "look/UiText.h"
#include "widgets/OrnLabel.h"

#include <QEvent>
#include <QVBoxLayout>

OrnTranslucentDialog::OrnTranslucentDialog(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_StyledBackground);
    setStyleSheet(QStringLiteral("background-color: rgb(33,35, 35)"));
    auto* layout = new QVBoxLayout(this);
    m_pLabel = new OrnLabel(this);
    m_pLabel->setAlignment(Qt::AlignCenter);
    m_pLabel->setFixedPixelSize(28);
    layout->addWidget(m_pLabel);
    retranslate();
    if (parent) {
        parent->installEventFilter(this);
        fitParent();
    }
}

void OrnTranslucentDialog::retranslate()
{
    m_pLabel->setText(uiText("Mouse Sleep"));
}

QString OrnTranslucentDialog::labelText() const
{
    return m_pLabel->text();
}

void OrnTranslucentDialog::fitParent()
{
    if (parentWidget())
        setGeometry(parentWidget()->rect());
}

bool OrnTranslucentDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == parentWidget() && event->type() == QEvent::Resize)
        fitParent();
    return QWidget::eventFilter(watched, event);
}

void OrnTranslucentDialog::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}
