#include "macro/ui/MacroPictures.h"

#include <QHash>

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace macropictures {

namespace {

const QColor kInk(235, 235, 235);
const QColor kAccent(255, 170, 40);

void paintArrow(QPainter& p, double s, bool bDown)
{
    QPainterPath path;
    const double mid = s / 2;
    if (bDown) {
        path.moveTo(mid - s * 0.12, s * 0.15);
        path.lineTo(mid + s * 0.12, s * 0.15);
        path.lineTo(mid + s * 0.12, s * 0.5);
        path.lineTo(mid + s * 0.32, s * 0.5);
        path.lineTo(mid, s * 0.88);
        path.lineTo(mid - s * 0.32, s * 0.5);
        path.lineTo(mid - s * 0.12, s * 0.5);
    } else {
        path.moveTo(mid - s * 0.12, s * 0.85);
        path.lineTo(mid + s * 0.12, s * 0.85);
        path.lineTo(mid + s * 0.12, s * 0.5);
        path.lineTo(mid + s * 0.32, s * 0.5);
        path.lineTo(mid, s * 0.12);
        path.lineTo(mid - s * 0.32, s * 0.5);
        path.lineTo(mid - s * 0.12, s * 0.5);
    }
    path.closeSubpath();
    p.fillPath(path, bDown ? kAccent : QColor(90, 200, 120));
}

void paintPicture(QPainter& p, Picture which, double s)
{
    QPen pen(kInk, qMax(1.0, s / 14));
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    switch (which) {
    case Picture::Delay:
        p.drawEllipse(QRectF(s * 0.12, s * 0.12, s * 0.76, s * 0.76));
        p.drawLine(QPointF(s / 2, s / 2), QPointF(s / 2, s * 0.24));
        p.setPen(QPen(kAccent, pen.widthF()));
        p.drawLine(QPointF(s / 2, s / 2), QPointF(s * 0.7, s * 0.6));
        break;
    case Picture::Keyboard:
        p.drawRoundedRect(QRectF(s * 0.08, s * 0.25, s * 0.84, s * 0.5), s * 0.08, s * 0.08);
        for (int i = 0; i < 4; ++i)
            p.drawPoint(QPointF(s * (0.24 + i * 0.17), s * 0.42));
        p.drawLine(QPointF(s * 0.3, s * 0.6), QPointF(s * 0.7, s * 0.6));
        break;
    case Picture::Movement: {
        const double m = s / 2;
        p.drawLine(QPointF(s * 0.12, m), QPointF(s * 0.88, m));
        p.drawLine(QPointF(m, s * 0.12), QPointF(m, s * 0.88));
        const double a = s * 0.12;
        for (const QPointF& tip :
             {QPointF(s * 0.12, m), QPointF(s * 0.88, m), QPointF(m, s * 0.12), QPointF(m, s * 0.88)}) {
            const QPointF dir = QPointF(m, m) - tip;
            const QPointF unit = dir / std::max(1.0, std::hypot(dir.x(), dir.y()));
            const QPointF normal(-unit.y(), unit.x());
            p.drawLine(tip, tip + unit * a + normal * a);
            p.drawLine(tip, tip + unit * a - normal * a);
        }
        break;
    }
    case Picture::Mouse:
        p.drawRoundedRect(QRectF(s * 0.25, s * 0.1, s * 0.5, s * 0.8), s * 0.25, s * 0.25);
        p.drawLine(QPointF(s / 2, s * 0.1), QPointF(s / 2, s * 0.4));
        p.drawLine(QPointF(s * 0.25, s * 0.4), QPointF(s * 0.75, s * 0.4));
        break;
    case Picture::KeyDown:
        paintArrow(p, s, true);
        break;
    case Picture::KeyUp:
        paintArrow(p, s, false);
        break;
    }
}

} // namespace

QPixmap picture(Picture which, int iSize)
{
    static QHash<quint64, QPixmap> cache;
    iSize = qMax(4, iSize);
    const quint64 key = (static_cast<quint64>(which) << 32) | static_cast<quint32>(iSize);
    auto found = cache.constFind(key);
    if (found != cache.constEnd())
        return found.value();
    QPixmap pixmap(iSize, iSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    paintPicture(painter, which, iSize);
    painter.end();
    cache.insert(key, pixmap);
    return pixmap;
}

} // namespace macropictures
