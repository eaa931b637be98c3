#include "SkinPalette.h"

#include "look/ThemeColor.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

namespace skingen {

const Palette& palette()
{
    // The main window stores theme id 1 at every start, so the pictures carry that colour.
    static const Palette kPalette = [] {
        Palette p;
        p.accent = look::themeColor(1);
        p.accentDeep = p.accent.darker(260);
        p.base = QColor(12, 14, 17);
        p.panel = QColor(22, 25, 30);
        p.panelLight = QColor(34, 39, 46);
        p.line = QColor(52, 60, 70);
        p.text = QColor(220, 226, 232);
        return p;
    }();
    return kPalette;
}

QColor withAlpha(QColor color, int iAlpha)
{
    color.setAlpha(iAlpha);
    return color;
}

QPainterPath chamferedRect(const QRectF& rect, double dCut)
{
    QPainterPath path;
    path.moveTo(rect.left() + dCut, rect.top());
    path.lineTo(rect.right() - dCut, rect.top());
    path.lineTo(rect.right(), rect.top() + dCut);
    path.lineTo(rect.right(), rect.bottom() - dCut);
    path.lineTo(rect.right() - dCut, rect.bottom());
    path.lineTo(rect.left() + dCut, rect.bottom());
    path.lineTo(rect.left(), rect.bottom() - dCut);
    path.lineTo(rect.left(), rect.top() + dCut);
    path.closeSubpath();
    return path;
}

void paintPanel(QPainter& painter, const QPainterPath& shape, const QRectF& bounds, double dLine)
{
    const Palette& p = palette();
    QLinearGradient fill(bounds.topLeft(), bounds.bottomLeft());
    fill.setColorAt(0.0, p.panelLight);
    fill.setColorAt(0.35, p.panel);
    fill.setColorAt(1.0, p.base);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(fill);
    painter.drawPath(shape);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(p.line, dLine));
    painter.drawPath(shape);
    // A highlight along the top edge gives the panel a lit bevel.
    painter.setClipPath(shape);
    painter.setPen(QPen(withAlpha(Qt::white, 28), dLine));
    painter.drawLine(QPointF(bounds.left(), bounds.top() + dLine * 1.5),
                     QPointF(bounds.right(), bounds.top() + dLine * 1.5));
    painter.restore();
}

void paintGlow(QPainter& painter, const QPointF& centre, double dRadius, int iAlpha)
{
    QRadialGradient glow(centre, dRadius);
    glow.setColorAt(0.0, withAlpha(palette().accent, iAlpha));
    glow.setColorAt(0.45, withAlpha(palette().accent, iAlpha / 3));
    glow.setColorAt(1.0, withAlpha(palette().accent, 0));
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(glow);
    painter.drawEllipse(centre, dRadius, dRadius);
    painter.restore();
}

void paintAccentLine(QPainter& painter, const QPointF& from, const QPointF& to, double dWidth)
{
    QLinearGradient fade(from, to);
    fade.setColorAt(0.0, withAlpha(palette().accent, 0));
    fade.setColorAt(0.2, palette().accent);
    fade.setColorAt(0.8, palette().accent);
    fade.setColorAt(1.0, withAlpha(palette().accent, 0));
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QBrush(fade), dWidth, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(from, to);
    painter.restore();
}

} // namespace skingen
