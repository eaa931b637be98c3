#include "PaintShellButtons.h"

#include "SkinPalette.h"
#include "SkinSheet.h"

#include <QLinearGradient>
#include <QPainter>

namespace skingen {

namespace {

// The face shared by text and icon buttons; returns the colour the glyph or text should take.
void paintFace(QPainter& painter, const QPainterPath& shape, const QRectF& bounds, ShellState state)
{
    const Palette& p = palette();
    switch (state) {
    case ShellState::Pressed: {
        QLinearGradient fill(bounds.topLeft(), bounds.bottomLeft());
        fill.setColorAt(0.0, p.accent.darker(230));
        fill.setColorAt(1.0, p.accentDeep.darker(170));
        painter.fillPath(shape, fill);
        break;
    }
    case ShellState::Disabled:
        painter.fillPath(shape, QColor(24, 26, 29));
        break;
    default:
        paintPanel(painter, shape, bounds, 2.0);
        break;
    }
    if (state == ShellState::Hover) {
        QLinearGradient glow(bounds.bottomLeft(), bounds.topLeft());
        glow.setColorAt(0.0, withAlpha(p.accent, 70));
        glow.setColorAt(0.8, withAlpha(p.accent, 0));
        painter.fillPath(shape, glow);
    }
    painter.setBrush(Qt::NoBrush);
    const QColor frame = state == ShellState::Normal     ? p.line
                         : state == ShellState::Disabled ? QColor(40, 44, 50)
                                                         : p.accent;
    painter.setPen(QPen(frame, 2));
    painter.drawPath(shape);
}

QColor glyphColor(ShellState state)
{
    switch (state) {
    case ShellState::Hover:
        return palette().accent;
    case ShellState::Pressed:
        return Qt::white;
    case ShellState::Disabled:
        return QColor(78, 84, 92);
    default:
        return palette().text;
    }
}

void paintGlyph(QPainter& painter, const QString& glyph, const QColor& color)
{
    // Drawn on a 56 x 56 face with a 4-pixel pen, round ends.
    painter.setPen(QPen(color, 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    if (glyph == QLatin1String("close")) {
        painter.drawLine(QPointF(19, 19), QPointF(37, 37));
        painter.drawLine(QPointF(37, 19), QPointF(19, 37));
    } else if (glyph == QLatin1String("minimise")) {
        painter.drawLine(QPointF(18, 36), QPointF(38, 36));
    } else if (glyph == QLatin1String("drop")) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(color);
        painter.drawPolygon(QPolygonF({{17, 23}, {39, 23}, {28, 35}}));
    } else if (glyph == QLatin1String("reset")) {
        painter.drawArc(QRectF(17, 17, 22, 22), 60 * 16, 280 * 16);
        painter.setPen(Qt::NoPen);
        painter.setBrush(color);
        painter.drawPolygon(QPolygonF({{31, 11}, {39, 19}, {29, 22}}));
    } else if (glyph == QLatin1String("add")) {
        painter.drawLine(QPointF(28, 17), QPointF(28, 39));
        painter.drawLine(QPointF(17, 28), QPointF(39, 28));
    } else if (glyph == QLatin1String("delete")) {
        painter.drawLine(QPointF(17, 20), QPointF(39, 20));
        painter.drawLine(QPointF(24, 16), QPointF(32, 16));
        painter.drawPolyline(QPolygonF({{20, 24}, {22, 40}, {34, 40}, {36, 24}}));
    } else if (glyph == QLatin1String("copy")) {
        painter.drawRoundedRect(QRectF(16, 16, 16, 16), 2, 2);
        painter.drawRoundedRect(QRectF(24, 24, 16, 16), 2, 2);
    } else if (glyph == QLatin1String("export") || glyph == QLatin1String("import")) {
        // A tray with an arrow leaving it (export) or coming into it (import).
        painter.drawPolyline(QPolygonF({{16, 30}, {16, 40}, {40, 40}, {40, 30}}));
        painter.drawLine(QPointF(28, 14), QPointF(28, 33));
        if (glyph == QLatin1String("export"))
            painter.drawPolyline(QPolygonF({{21, 21}, {28, 14}, {35, 21}}));
        else
            painter.drawPolyline(QPolygonF({{21, 26}, {28, 33}, {35, 26}}));
    }
}

} // namespace

QImage paintTextButton(ShellState state)
{
    QImage image = canvas(240, 60);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF bounds(1, 1, 238, 58);
    paintFace(painter, chamferedRect(bounds, 9), bounds, state);
    return image;
}

QImage paintCallout(ShellState state)
{
    const Palette& p = palette();
    QImage image = canvas(52, 52);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPointF c(26, 26);
    if (state != ShellState::Normal) {
        QRadialGradient glow(c, 26);
        glow.setColorAt(0.6, withAlpha(p.accent, 90));
        glow.setColorAt(1.0, withAlpha(p.accent, 0));
        painter.setPen(Qt::NoPen);
        painter.setBrush(glow);
        painter.drawEllipse(c, 26, 26);
    }
    painter.setBrush(state == ShellState::Pressed ? p.accent.darker(220) : QColor(16, 18, 21, 235));
    painter.setPen(QPen(state == ShellState::Normal ? p.line.lighter(150) : p.accent, 3));
    painter.drawEllipse(c, 20, 20);
    return image;
}

QImage paintIconButton(const QString& glyph, ShellState state)
{
    QImage image = canvas(56, 56);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF bounds(1, 1, 54, 54);
    paintFace(painter, chamferedRect(bounds, 8), bounds, state);
    paintGlyph(painter, glyph, glyphColor(state));
    return image;
}

} // namespace skingen
