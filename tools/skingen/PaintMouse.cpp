#include "PaintMouse.h"

#include "SkinPalette.h"
#include "SkinSheet.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

namespace skingen {

namespace {

constexpr double kUnit = 2.0; // pixels per grid unit

QPainterPath topBody()
{
    QPainterPath path;
    path.moveTo(150, 26);
    path.cubicTo(202, 26, 236, 50, 238, 112);
    path.cubicTo(240, 168, 226, 204, 228, 242);
    path.cubicTo(232, 300, 240, 334, 220, 362);
    path.cubicTo(202, 388, 172, 394, 150, 394);
    path.cubicTo(128, 394, 98, 388, 80, 362);
    path.cubicTo(60, 334, 68, 300, 72, 242);
    path.cubicTo(74, 204, 60, 168, 62, 112);
    path.cubicTo(64, 50, 98, 26, 150, 26);
    path.closeSubpath();
    return path;
}

// The two main buttons end at a slightly concave line across the body.
QPainterPath buttonArea(bool bLeft)
{
    QPainterPath cut;
    if (bLeft) {
        cut.moveTo(0, 0);
        cut.lineTo(148.5, 0);
        cut.lineTo(148.5, 172);
        cut.quadTo(100, 160, 0, 176);
    } else {
        cut.moveTo(151.5, 0);
        cut.lineTo(300, 0);
        cut.lineTo(300, 176);
        cut.quadTo(200, 160, 151.5, 172);
    }
    cut.closeSubpath();
    return topBody().intersected(cut);
}

QRectF wheelRect()
{
    return QRectF(137, 64, 26, 66);
}

// 4 and 5 on the left flank, front one first.
QRectF flankButton(int iButton)
{
    return QRectF(60, iButton == 4 ? 192 : 242, 16, 42);
}

// 6 and 7 in a row on the top, behind the wheel.
QRectF topButton(int iButton)
{
    return QRectF(141, iButton == 6 ? 132 : 176, 18, 22);
}

QPainterPath buttonShape(int iButton)
{
    QPainterPath path;
    switch (iButton) {
    case 1:
        return buttonArea(true);
    case 2:
        return buttonArea(false);
    case 3:
        path.addRoundedRect(wheelRect(), 12, 12);
        return path;
    case 4:
    case 5:
        path.addRoundedRect(flankButton(iButton), 7, 7);
        return path;
    case 6:
    case 7:
        path.addRoundedRect(topButton(iButton), 5, 5);
        return path;
    default:
        return path;
    }
}

const QColor kUnlit(64, 68, 74);

// Light strip around the palm rest and the logo: the parts the mouse's lighting colours.
void paintLighting(QPainter& painter, const QColor& color)
{
    painter.save();
    QPainterPath strip;
    strip.moveTo(88, 348);
    strip.cubicTo(112, 374, 188, 374, 212, 348);
    painter.setPen(QPen(withAlpha(color, 60), 14, Qt::SolidLine, Qt::RoundCap));
    painter.drawPath(strip);
    painter.setPen(QPen(color, 3, Qt::SolidLine, Qt::RoundCap));
    painter.drawPath(strip);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setItalic(true);
    font.setPixelSize(22);
    painter.setFont(font);
    painter.setPen(withAlpha(color, 220));
    painter.drawText(QRectF(100, 256, 100, 30), Qt::AlignCenter, QStringLiteral("R5"));
    painter.restore();
}

void paintHighlight(QPainter& painter, const QPainterPath& shape)
{
    const Palette& p = palette();
    painter.save();
    // A wide soft stroke first, then the fill, so the part glows past its own edge.
    for (int i = 3; i >= 1; --i) {
        painter.setPen(QPen(withAlpha(p.accent, 26), 4.0 * i, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(shape);
    }
    QLinearGradient fill(shape.boundingRect().topLeft(), shape.boundingRect().bottomLeft());
    fill.setColorAt(0.0, withAlpha(p.accent, 190));
    fill.setColorAt(1.0, withAlpha(p.accent.darker(160), 170));
    painter.setPen(QPen(p.accent.lighter(140), 1.6));
    painter.setBrush(fill);
    painter.drawPath(shape);
    painter.restore();
}

} // namespace

QImage paintMouseTop(int iButton)
{
    QImage image = canvas(static_cast<int>(300 * kUnit), static_cast<int>(400 * kUnit));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(kUnit, kUnit);

    // Flank buttons sit under the body's edge, so they are drawn first.
    for (int i = 4; i <= 5; ++i) {
        painter.setPen(QPen(QColor(6, 7, 8), 1.4));
        painter.setBrush(QColor(44, 50, 58));
        painter.drawPath(buttonShape(i));
    }

    const QPainterPath body = topBody();
    QLinearGradient shell(60, 0, 240, 0);
    shell.setColorAt(0.0, QColor(16, 18, 21));
    shell.setColorAt(0.5, QColor(40, 45, 52));
    shell.setColorAt(1.0, QColor(14, 16, 19));
    painter.setPen(Qt::NoPen);
    painter.setBrush(shell);
    painter.drawPath(body);

    // The light strip and the logo, unlit: the window lays the glow in the lighting colour over them.
    painter.save();
    painter.setClipPath(body);
    paintLighting(painter, kUnlit);
    QRadialGradient sheen(QPointF(150, 250), 110);
    sheen.setColorAt(0.0, withAlpha(Qt::white, 22));
    sheen.setColorAt(1.0, withAlpha(Qt::white, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(sheen);
    painter.drawEllipse(QPointF(150, 250), 110, 110);
    painter.restore();

    // Main buttons, the seam between them and the DPI button behind the wheel.
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(6, 7, 8), 1.6));
    painter.drawPath(buttonShape(1));
    painter.drawPath(buttonShape(2));
    painter.setPen(QPen(withAlpha(Qt::white, 30), 1.0));
    painter.drawLine(QPointF(146, 40), QPointF(146, 168));
    // The wheel and the DPI button lie over the main buttons, so those light up beneath them.
    if (iButton == 1 || iButton == 2)
        paintHighlight(painter, buttonShape(iButton));
    painter.setPen(QPen(QColor(6, 7, 8), 1.4));
    for (int i = 6; i <= 7; ++i) {
        QLinearGradient key(topButton(i).topLeft(), topButton(i).bottomLeft());
        key.setColorAt(0.0, QColor(58, 64, 72));
        key.setColorAt(1.0, QColor(26, 29, 34));
        painter.setBrush(key);
        painter.drawPath(buttonShape(i));
    }

    // Wheel: a dark slot, the rubber tyre with its ribs.
    painter.setBrush(QColor(5, 6, 7));
    painter.drawRoundedRect(wheelRect().adjusted(-4, -4, 4, 4), 14, 14);
    QLinearGradient tyre(wheelRect().topLeft(), wheelRect().topRight());
    tyre.setColorAt(0.0, QColor(30, 33, 38));
    tyre.setColorAt(0.5, QColor(78, 86, 96));
    tyre.setColorAt(1.0, QColor(30, 33, 38));
    painter.setBrush(tyre);
    painter.drawRoundedRect(wheelRect(), 12, 12);
    painter.setPen(QPen(QColor(20, 22, 26), 1.6));
    for (double y = wheelRect().top() + 8; y < wheelRect().bottom() - 4; y += 7)
        painter.drawLine(QPointF(wheelRect().left() + 4, y), QPointF(wheelRect().right() - 4, y));

    // Outline with a rim light on the left shoulder.
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(6, 7, 8), 2.6));
    painter.drawPath(body);
    painter.save();
    painter.setClipRect(QRectF(0, 0, 150, 240));
    painter.setPen(QPen(withAlpha(Qt::white, 50), 1.2));
    painter.drawPath(body);
    painter.restore();

    if (iButton >= 3 && iButton <= kMouseButtonCount)
        paintHighlight(painter, buttonShape(iButton));
    return image;
}

QImage paintMouseGlow()
{
    QImage image = canvas(static_cast<int>(300 * kUnit), static_cast<int>(400 * kUnit));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(kUnit, kUnit);
    painter.setClipPath(topBody());
    paintLighting(painter, Qt::white);
    return image;
}

namespace {

// Seen from the left: the front points left.
QPainterPath sideBody()
{
    QPainterPath body;
    body.moveTo(50, 232);
    body.lineTo(350, 232);
    body.cubicTo(372, 230, 380, 200, 362, 170);
    body.cubicTo(336, 122, 292, 100, 246, 100);
    body.cubicTo(170, 100, 90, 138, 56, 174);
    body.cubicTo(38, 194, 36, 226, 50, 232);
    body.closeSubpath();
    return body;
}

// Light strip along the base.
void paintSideStrip(QPainter& painter, const QColor& color)
{
    painter.setPen(QPen(withAlpha(color, 60), 10, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(200, 228), QPointF(352, 226));
    painter.setPen(QPen(color, 2.4, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(200, 228), QPointF(352, 226));
}

// The side view is designed on 400 x 200 from y 64 down.
void beginSideCanvas(QPainter& painter, QImage& image)
{
    image = canvas(static_cast<int>(400 * kUnit), static_cast<int>(200 * kUnit));
    painter.begin(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(kUnit, kUnit);
    painter.translate(0, -64);
}

} // namespace

QImage paintMouseSideGlow()
{
    QImage image;
    QPainter painter;
    beginSideCanvas(painter, image);
    painter.setClipPath(sideBody());
    paintSideStrip(painter, Qt::white);
    painter.end();
    return image;
}

QImage paintMouseSide()
{
    const Palette& p = palette();
    QImage image;
    QPainter painter;
    beginSideCanvas(painter, image);
    const QPainterPath body = sideBody();

    painter.setPen(Qt::NoPen);
    painter.setBrush(withAlpha(Qt::black, 140));
    painter.drawEllipse(QPointF(200, 240), 170, 9);

    // The wheel seen edge-on is a disc, half sunk into the shell, so it goes first.
    QRadialGradient rubber(QPointF(146, 114), 14);
    rubber.setColorAt(0.0, QColor(90, 98, 110));
    rubber.setColorAt(1.0, QColor(30, 33, 38));
    painter.setPen(QPen(QColor(6, 7, 8), 1.4));
    painter.setBrush(rubber);
    painter.drawEllipse(QPointF(146, 114), 14, 14);

    QLinearGradient shell(0, 100, 0, 232);
    shell.setColorAt(0.0, QColor(46, 52, 60));
    shell.setColorAt(0.6, QColor(22, 25, 29));
    shell.setColorAt(1.0, QColor(12, 13, 15));
    painter.setBrush(shell);
    painter.drawPath(body);

    painter.save();
    painter.setClipPath(body);
    // Main button edge and the wheel peeking out over the front.
    painter.setPen(QPen(QColor(6, 7, 8), 1.6));
    QPainterPath seam;
    seam.moveTo(52, 186);
    seam.cubicTo(100, 150, 170, 118, 214, 112);
    painter.drawPath(seam);
    // Thumb groove and the rubber side grip.
    QPainterPath grip;
    grip.moveTo(110, 214);
    grip.cubicTo(150, 196, 230, 196, 290, 212);
    grip.lineTo(300, 228);
    grip.lineTo(104, 228);
    grip.closeSubpath();
    painter.setBrush(QColor(16, 18, 21));
    painter.drawPath(grip);
    painter.setPen(QPen(withAlpha(Qt::white, 18), 1.0));
    for (double x = 120; x < 290; x += 8)
        painter.drawLine(QPointF(x, 212), QPointF(x + 6, 226));
    paintSideStrip(painter, kUnlit);
    painter.restore();

    // Forward and back buttons on the flank.
    for (const QRectF& r : {QRectF(118, 160, 56, 20), QRectF(180, 156, 56, 20)}) {
        QLinearGradient key(r.topLeft(), r.bottomLeft());
        key.setColorAt(0.0, QColor(70, 78, 88));
        key.setColorAt(1.0, QColor(30, 34, 40));
        painter.setPen(QPen(QColor(6, 7, 8), 1.4));
        painter.setBrush(key);
        painter.drawRoundedRect(r, 9, 9);
    }

    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setItalic(true);
    font.setPixelSize(12);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 1.5);
    painter.setFont(font);
    painter.setPen(withAlpha(p.text, 120));
    painter.drawText(QPointF(262, 190), QStringLiteral("OSKEN"));

    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(6, 7, 8), 2.4));
    painter.drawPath(body);
    painter.setPen(QPen(withAlpha(Qt::white, 45), 1.0));
    painter.save();
    painter.setClipRect(QRectF(0, 64, 400, 96));
    painter.drawPath(body);
    painter.restore();
    return image;
}

} // namespace skingen
