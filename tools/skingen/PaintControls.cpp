#include "PaintControls.h"

#include "SkinPalette.h"
#include "SkinSheet.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>

namespace skingen {

namespace {

QPainterPath pill(const QRectF& r)
{
    QPainterPath path;
    path.addRoundedRect(r, r.height() / 2, r.height() / 2);
    return path;
}

QPolygonF chevron(const QRectF& r, bool bUp)
{
    const double cx = r.center().x();
    if (bUp)
        return QPolygonF({{r.left(), r.bottom()}, {cx, r.top()}, {r.right(), r.bottom()}});
    return QPolygonF({{r.left(), r.top()}, {cx, r.bottom()}, {r.right(), r.top()}});
}

} // namespace

QImage paintTabButton(ButtonState state)
{
    const Palette& p = palette();
    QImage image = canvas(300, 60);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF bounds(1, 1, 298, 58);
    const QPainterPath shape = chamferedRect(bounds, 10);
    if (state == ButtonState::Pressed) {
        QLinearGradient fill(bounds.topLeft(), bounds.bottomLeft());
        fill.setColorAt(0.0, p.accent.darker(200));
        fill.setColorAt(1.0, p.accentDeep.darker(160));
        painter.fillPath(shape, fill);
    } else {
        paintPanel(painter, shape, bounds, 2.0);
    }
    if (state == ButtonState::Lit) {
        QLinearGradient glow(bounds.bottomLeft(), bounds.topLeft());
        glow.setColorAt(0.0, withAlpha(p.accent, 90));
        glow.setColorAt(0.7, withAlpha(p.accent, 0));
        painter.fillPath(shape, glow);
        painter.fillRect(QRectF(30, 52, 240, 5), p.accent);
    }
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(state == ButtonState::Normal ? p.line : p.accent, 2));
    painter.drawPath(shape);
    return image;
}

QImage paintSideButton(bool bUp, bool bLit, bool bRound)
{
    const Palette& p = palette();
    QImage image = canvas(88, 52);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF bounds(2, 2, 84, 48);
    const QPainterPath shape = bRound ? pill(bounds) : chamferedRect(bounds, 12);
    paintPanel(painter, shape, bounds, 2.0);
    if (bLit)
        painter.fillPath(shape, withAlpha(p.accent, 60));
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(bLit ? p.accent : p.line, bLit ? 3 : 2));
    painter.drawPath(shape);
    painter.setPen(QPen(bLit ? Qt::white : p.text.darker(130), 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPolyline(chevron(QRectF(30, 17, 28, 16), bUp));
    return image;
}

QImage paintRateHandle()
{
    const Palette& p = palette();
    QImage image = canvas(300, 60);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF bounds(2, 2, 296, 56);
    const QPainterPath shape = pill(bounds);
    QLinearGradient fill(bounds.topLeft(), bounds.bottomLeft());
    fill.setColorAt(0.0, QColor(58, 66, 76));
    fill.setColorAt(0.5, QColor(30, 34, 40));
    fill.setColorAt(1.0, QColor(16, 18, 22));
    painter.fillPath(shape, fill);
    painter.setPen(QPen(p.accent, 4));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(shape);
    return image;
}

QImage paintStageSwitch(bool bOn)
{
    const Palette& p = palette();
    QImage image = canvas(32, 32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPointF c(16, 16);
    painter.setBrush(QColor(14, 16, 19));
    painter.setPen(QPen(bOn ? p.accent : p.line.lighter(130), 3));
    painter.drawEllipse(c, 13, 13);
    if (bOn) {
        painter.setPen(Qt::NoPen);
        QRadialGradient dot(c, 8);
        dot.setColorAt(0.0, Qt::white);
        dot.setColorAt(0.4, p.accent);
        dot.setColorAt(1.0, p.accent.darker(150));
        painter.setBrush(dot);
        painter.drawEllipse(c, 7.5, 7.5);
    }
    return image;
}

QImage paintCheckBox(bool bChecked)
{
    const Palette& p = palette();
    QImage image = canvas(40, 40);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF bounds(3, 3, 34, 34);
    const QPainterPath shape = chamferedRect(bounds, 6);
    painter.fillPath(shape, QColor(14, 16, 19));
    painter.setPen(QPen(bChecked ? p.accent : p.line.lighter(130), 3));
    painter.drawPath(shape);
    if (bChecked) {
        painter.setPen(QPen(p.accent, 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.drawPolyline(QPolygonF({{11, 20}, {17.5, 27}, {29, 13}}));
    }
    return image;
}

QImage paintDropDown()
{
    const Palette& p = palette();
    QImage image = canvas(360, 56);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF bounds(1, 1, 358, 54);
    const QPainterPath shape = chamferedRect(bounds, 8);
    paintPanel(painter, shape, bounds, 2.0);
    painter.fillRect(QRectF(306, 10, 2, 36), p.line);
    painter.setPen(Qt::NoPen);
    painter.setBrush(p.accent);
    painter.drawPolygon(QPolygonF({{320, 22}, {344, 22}, {332, 36}}));
    return image;
}

QImage paintSpinArrow(bool bUp)
{
    const Palette& p = palette();
    QImage image = canvas(20, 12);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(p.text, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPolyline(bUp ? QPolygonF({{4, 9}, {10, 3}, {16, 9}}) : QPolygonF({{4, 3}, {10, 9}, {16, 3}}));
    return image;
}

QImage paintGunSlider()
{
    const Palette& p = palette();
    QImage image = canvas(400, 24);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(40, 46, 54));
    painter.drawRoundedRect(QRectF(4, 9, 392, 6), 3, 3);
    painter.setPen(QPen(p.line.lighter(140), 2));
    for (int i = 0; i <= 10; ++i) {
        const double x = 4 + i * 39.2;
        painter.drawLine(QPointF(x, i % 5 == 0 ? 1 : 4), QPointF(x, i % 5 == 0 ? 23 : 20));
    }
    painter.setPen(QPen(p.accent, 3));
    painter.drawLine(QPointF(200, 0), QPointF(200, 24));
    return image;
}

QImage paintBullet(bool bSelected)
{
    const Palette& p = palette();
    QImage image = canvas(48, 96);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    if (bSelected) {
        // The ring lies over a bullet, so only the frame and a glow are painted.
        painter.setPen(QPen(p.accent, 3));
        painter.setBrush(withAlpha(p.accent, 40));
        painter.drawPath(chamferedRect(QRectF(2, 2, 44, 92), 8));
        return image;
    }
    QPainterPath tip;
    tip.moveTo(14, 34);
    tip.cubicTo(14, 16, 20, 6, 24, 4);
    tip.cubicTo(28, 6, 34, 16, 34, 34);
    tip.closeSubpath();
    QLinearGradient copper(14, 0, 34, 0);
    copper.setColorAt(0.0, QColor(150, 84, 40));
    copper.setColorAt(0.45, QColor(236, 170, 110));
    copper.setColorAt(1.0, QColor(120, 64, 30));
    painter.setPen(Qt::NoPen);
    painter.fillPath(tip, copper);
    QLinearGradient brass(12, 0, 36, 0);
    brass.setColorAt(0.0, QColor(150, 120, 40));
    brass.setColorAt(0.45, QColor(250, 220, 120));
    brass.setColorAt(1.0, QColor(130, 100, 30));
    painter.setBrush(brass);
    painter.drawRect(QRectF(13, 34, 22, 50));
    painter.drawRoundedRect(QRectF(11, 84, 26, 8), 2, 2);
    painter.setPen(QPen(QColor(90, 70, 20), 1.5));
    painter.drawLine(QPointF(13, 80), QPointF(35, 80));
    return image;
}

QImage paintBattery()
{
    const Palette& p = palette();
    QImage image = canvas(120, 52);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(p.text.darker(120), 4));
    painter.setBrush(withAlpha(Qt::black, 120));
    painter.drawRoundedRect(QRectF(3, 3, 104, 46), 8, 8);
    painter.setPen(Qt::NoPen);
    painter.setBrush(p.text.darker(120));
    painter.drawRoundedRect(QRectF(108, 16, 9, 20), 3, 3);
    return image;
}

QImage paintLightning()
{
    const Palette& p = palette();
    QImage image = canvas(48, 64);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPolygonF bolt({{30, 2}, {8, 36}, {22, 36}, {16, 62}, {40, 24}, {26, 24}, {34, 2}});
    painter.setPen(QPen(QColor(10, 12, 14), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QLinearGradient fill(0, 0, 0, 64);
    fill.setColorAt(0.0, p.accent.lighter(150));
    fill.setColorAt(1.0, p.accent);
    painter.setBrush(fill);
    painter.drawPolygon(bolt);
    return image;
}

QImage paintWarning()
{
    QImage image = canvas(128, 128);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    // Amber, not the theme colour: a warning must not look like a confirmation.
    const QColor amber(255, 184, 28);
    QPainterPath triangle;
    triangle.moveTo(64, 10);
    triangle.lineTo(122, 114);
    triangle.lineTo(6, 114);
    triangle.closeSubpath();
    painter.setPen(QPen(amber, 8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(QColor(24, 20, 10));
    painter.drawPath(triangle);
    painter.setPen(Qt::NoPen);
    painter.setBrush(amber);
    painter.drawRoundedRect(QRectF(57, 42, 14, 44), 6, 6);
    painter.drawEllipse(QPointF(64, 98), 7.5, 7.5);
    return image;
}

} // namespace skingen
