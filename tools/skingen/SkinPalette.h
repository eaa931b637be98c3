#pragma once

#include <QColor>
#include <QPainterPath>
#include <QRectF>

class QPainter;

// Colours and shapes shared by every picture, so the skin reads as one design.
namespace skingen {

struct Palette
{
    QColor accent;     // the theme colour the program starts with
    QColor accentDeep; // accent for large fills
    QColor base;       // darkest background
    QColor panel;      // raised panels
    QColor panelLight; // top of a panel's gradient
    QColor line;       // frames and separators
    QColor text;       // painted text
};

const Palette& palette();
QColor withAlpha(QColor color, int iAlpha);

// Rounded rectangle whose corners are cut at 45 degrees, the skin's recurring shape.
QPainterPath chamferedRect(const QRectF& rect, double dCut);
// A dark panel: vertical gradient, 1-unit frame, faint top highlight.
void paintPanel(QPainter& painter, const QPainterPath& shape, const QRectF& bounds, double dLine);
// A soft glow of the accent colour around a point.
void paintGlow(QPainter& painter, const QPointF& centre, double dRadius, int iAlpha);
// A line that fades in from the left end and out at the right end.
void paintAccentLine(QPainter& painter, const QPointF& from, const QPointF& to, double dWidth);

} // namespace skingen
