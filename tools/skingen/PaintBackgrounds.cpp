#include "PaintBackgrounds.h"

#include "SkinPalette.h"
#include "SkinSheet.h"
#include "look/DisplayScale.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>

namespace skingen {

namespace {

// Thin diagonal hatching, the background texture of large areas.
void paintHatching(QPainter& painter, const QRectF& area, double dStep, int iAlpha)
{
    painter.save();
    painter.setClipRect(area);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(withAlpha(Qt::white, iAlpha), qMax(1.0, dStep / 12.0)));
    for (double x = area.left() - area.height(); x < area.right(); x += dStep)
        painter.drawLine(QPointF(x, area.bottom()), QPointF(x + area.height(), area.top()));
    painter.restore();
}

// Accent brackets at the four corners of a frame, as on a targeting display.
void paintBrackets(QPainter& painter, const QRectF& r, double dLength, double dWidth)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(palette().accent, dWidth, Qt::SolidLine, Qt::SquareCap));
    const double h = dLength;
    painter.drawPolyline(QPolygonF({{r.left(), r.top() + h}, r.topLeft(), {r.left() + h, r.top()}}));
    painter.drawPolyline(QPolygonF({{r.right() - h, r.top()}, r.topRight(), {r.right(), r.top() + h}}));
    painter.drawPolyline(QPolygonF({{r.left(), r.bottom() - h}, r.bottomLeft(), {r.left() + h, r.bottom()}}));
    painter.drawPolyline(QPolygonF({{r.right() - h, r.bottom()}, r.bottomRight(), {r.right(), r.bottom() - h}}));
    painter.restore();
}

void paintWordmark(QPainter& painter, double s)
{
    const Palette& p = palette();
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    // Two slanted bars as the logo mark.
    for (int i = 0; i < 2; ++i) {
        const double x = (18 + 9 * i) * s;
        painter.setPen(Qt::NoPen);
        painter.setBrush(i == 0 ? p.accent : withAlpha(p.accent, 140));
        painter.drawPolygon(QPolygonF({{x + 6 * s, 15 * s}, {x + 12 * s, 15 * s}, {x + 6 * s, 37 * s}, {x, 37 * s}}));
    }
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setItalic(true);
    font.setPixelSize(qMax(1, static_cast<int>(19 * s)));
    font.setLetterSpacing(QFont::AbsoluteSpacing, 2 * s);
    painter.setFont(font);
    painter.setPen(p.text);
    const QPointF origin(46 * s, 34 * s);
    painter.drawText(origin, QStringLiteral("OSKEN"));
    const double dWidth = painter.fontMetrics().horizontalAdvance(QStringLiteral("OSKEN "));
    painter.setPen(p.accent);
    painter.drawText(origin + QPointF(dWidth, 0), QStringLiteral("R5"));
    painter.restore();
}

} // namespace

QImage paintMainBackground(double dScale)
{
    const Palette& p = palette();
    const QSize size = look::scaledWindowSize(dScale);
    const double s = dScale;
    const double w = size.width();
    const double h = size.height();
    QImage image = canvas(size.width(), size.height());
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);

    // The window takes this outline as its mask, so the cut corners are the window's corners.
    const QPainterPath outline = chamferedRect(QRectF(0, 0, w, h), 14 * s);
    QLinearGradient fill(0, 0, 0, h);
    fill.setColorAt(0.0, QColor(20, 23, 28));
    fill.setColorAt(1.0, p.base);
    painter.fillPath(outline, fill);
    painter.setClipPath(outline);

    const double dHeader = 50 * s;
    const double dFooter = 94 * s; // two rows of profile commands
    paintHatching(painter, QRectF(0, dHeader, w, h - dHeader - dFooter), 14 * s, 6);

    // Stage for the mouse picture: a glow and a floor shadow.
    paintGlow(painter, QPointF(210 * s, 300 * s), 240 * s, 46);
    QRadialGradient floor(QPointF(210 * s, 500 * s), 150 * s);
    floor.setColorAt(0.0, withAlpha(p.accent, 60));
    floor.setColorAt(1.0, withAlpha(p.accent, 0));
    painter.save();
    painter.translate(0, 500 * s);
    painter.scale(1.0, 0.14);
    painter.translate(0, -500 * s);
    painter.setPen(Qt::NoPen);
    painter.setBrush(floor);
    painter.drawEllipse(QPointF(210 * s, 500 * s), 150 * s, 150 * s);
    painter.restore();

    // Area of the editor panels.
    const QRectF panel(410 * s, 96 * s, 580 * s, 444 * s);
    painter.fillPath(chamferedRect(panel, 10 * s), withAlpha(Qt::black, 70));
    painter.setPen(QPen(withAlpha(p.line, 200), 1 * s));
    painter.drawPath(chamferedRect(panel, 10 * s));
    paintBrackets(painter, panel.adjusted(-3 * s, -3 * s, 3 * s, 3 * s), 16 * s, 2 * s);

    // Title bar.
    QLinearGradient header(0, 0, 0, dHeader);
    header.setColorAt(0.0, QColor(8, 9, 11));
    header.setColorAt(1.0, QColor(18, 21, 25));
    painter.fillRect(QRectF(0, 0, w, dHeader), header);
    paintAccentLine(painter, QPointF(0, dHeader), QPointF(w, dHeader), 2 * s);
    paintWordmark(painter, s);

    // Profile bar along the bottom.
    QLinearGradient footer(0, h - dFooter, 0, h);
    footer.setColorAt(0.0, QColor(17, 20, 24));
    footer.setColorAt(1.0, QColor(8, 9, 11));
    painter.fillRect(QRectF(0, h - dFooter, w, dFooter), footer);
    painter.setPen(QPen(p.line, 1 * s));
    painter.drawLine(QPointF(0, h - dFooter), QPointF(w, h - dFooter));
    painter.setPen(QPen(withAlpha(p.line, 120), 1 * s));
    painter.drawLine(QPointF(20 * s, 588 * s), QPointF(w - 20 * s, 588 * s));
    paintAccentLine(painter, QPointF(w * 0.35, h - dFooter), QPointF(w * 0.65, h - dFooter), 2 * s);

    painter.setClipping(false);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(p.line, 1.5 * s));
    painter.drawPath(chamferedRect(QRectF(0.75 * s, 0.75 * s, w - 1.5 * s, h - 1.5 * s), 14 * s));
    return image;
}

QImage paintDialog(const QSize& size)
{
    const Palette& p = palette();
    const double w = size.width();
    const double h = size.height();
    QImage image = canvas(size.width(), size.height());
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF bounds(0.5, 0.5, w - 1, h - 1);
    const QPainterPath shape = chamferedRect(bounds, 10);
    paintPanel(painter, shape, bounds, 1.0);

    painter.save();
    painter.setClipPath(shape);
    QLinearGradient title(0, 0, 0, 30);
    title.setColorAt(0.0, QColor(10, 12, 14));
    title.setColorAt(1.0, QColor(20, 23, 28));
    painter.fillRect(QRectF(0, 0, w, 30), title);
    paintHatching(painter, QRectF(w - 90, h - 40, 90, 40), 8, 14);
    painter.restore();
    paintAccentLine(painter, QPointF(-w * 0.1, 30), QPointF(w * 0.9, 30), 2);
    painter.setPen(QPen(p.line, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(shape);
    // Accent on the cut corners, top left and bottom right.
    painter.setPen(QPen(p.accent, 2, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(QPointF(1.5, 11), QPointF(11, 1.5));
    painter.drawLine(QPointF(w - 1.5, h - 11), QPointF(w - 11, h - 1.5));
    return image;
}

QImage paintProcess()
{
    const Palette& p = palette();
    QImage image = canvas(200, 50);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF bounds(0.5, 0.5, 199, 49);
    const QPainterPath shape = chamferedRect(bounds, 8);
    paintPanel(painter, shape, bounds, 1.0);
    painter.setPen(QPen(p.accent, 1.5));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(shape);
    return image;
}

} // namespace skingen
