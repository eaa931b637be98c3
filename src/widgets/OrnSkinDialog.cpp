#include "widgets/OrnSkinDialog.h"

#include "look/DisplayScale.h"
#include "widgets/SkinPicture.h"
#include "widgets/WidgetFont.h"

#include <QBitmap>
#include <QMouseEvent>
#include <QPainter>

namespace {
const QSize kFallbackSize(360, 200);
}

OrnSkinDialog::OrnSkinDialog(QWidget* parent, Qt::WindowFlags flags) : QDialog(parent, flags)
{
    setAttribute(Qt::WA_TranslucentBackground);
    const QPixmap background = widgets::loadSkinPicture(QStringLiteral("/skin/dlg.png"));
    const QSize base = background.isNull() ? kFallbackSize : background.size();
    setFixedSize(look::scaled(base.width()), look::scaled(base.height()));
    // The outline of the picture, so the cut corners stay see-through where no compositor blends
    // the translucent background.
    if (!background.isNull()) {
        const QBitmap mask = background.scaled(size(), Qt::IgnoreAspectRatio, Qt::FastTransformation).mask();
        if (!mask.isNull())
            setMask(mask);
    }
}

void OrnSkinDialog::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QPixmap background = widgets::loadSkinPicture(QStringLiteral("/skin/dlg.png"));
    if (background.isNull())
        widgets::paintFallbackPanel(painter, rect(), look::scaled(6));
    else
        painter.drawPixmap(rect(), background);
    if (!windowTitle().isEmpty()) {
        painter.setFont(widgets::scaledLanguageFont());
        painter.setPen(QColor(230, 230, 230));
        painter.drawText(QRect(look::scaled(14), 0, width() - look::scaled(28), look::scaled(kTitleHeight)),
                         Qt::AlignLeft | Qt::AlignVCenter, windowTitle());
    }
}

void OrnSkinDialog::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        m_bDragging = true;
        m_DragOffset = event->globalPos() - frameGeometry().topLeft();
    }
    QDialog::mousePressEvent(event);
}

void OrnSkinDialog::mouseMoveEvent(QMouseEvent* event)
{
    if (m_bDragging && (event->buttons() & Qt::LeftButton))
        move(event->globalPos() - m_DragOffset);
    QDialog::mouseMoveEvent(event);
}

void OrnSkinDialog::mouseReleaseEvent(QMouseEvent* event)
{
    m_bDragging = false;
    QDialog::mouseReleaseEvent(event);
}
