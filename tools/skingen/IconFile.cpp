#include "IconFile.h"

#include "SkinPalette.h"
#include "SkinSheet.h"

#include <QBuffer>
#include <QDataStream>
#include <QPainter>

namespace skingen {

QImage paintIcon(int iSize)
{
    const Palette& p = palette();
    QImage image = canvas(iSize, iSize);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const double u = iSize / 32.0;
    const QRectF bounds(0.5 * u, 0.5 * u, 31 * u, 31 * u);
    QPainterPath shape;
    shape.addRoundedRect(bounds, 6 * u, 6 * u);
    QLinearGradient fill(bounds.topLeft(), bounds.bottomLeft());
    fill.setColorAt(0.0, QColor(40, 46, 54));
    fill.setColorAt(1.0, p.base);
    painter.fillPath(shape, fill);
    painter.setPen(QPen(p.accent, qMax(1.0, 0.75 * u)));
    painter.drawPath(shape);
    // The logo's two slanted bars.
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < 2; ++i) {
        const double x = (8 + 8 * i) * u;
        painter.setBrush(i == 0 ? p.accent : withAlpha(p.accent, 150));
        painter.drawPolygon(QPolygonF({{x + 6 * u, 7 * u}, {x + 11 * u, 7 * u}, {x + 5 * u, 25 * u}, {x, 25 * u}}));
    }
    return image;
}

QByteArray icoFile(const QList<QImage>& images)
{
    QList<QByteArray> pngs;
    for (const QImage& image : images) {
        if (image.width() > 256 || image.height() > 256)
            return QByteArray();
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        if (!image.save(&buffer, "PNG"))
            return QByteArray();
        pngs << png;
    }
    QByteArray file;
    QDataStream out(&file, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    // ICONDIR: reserved, type 1 (icon), image count.
    out << quint16(0) << quint16(1) << quint16(images.size());
    quint32 offset = 6 + 16 * static_cast<quint32>(images.size());
    for (int i = 0; i < images.size(); ++i) {
        // ICONDIRENTRY: width and height (0 means 256), no palette, reserved, planes, bits per pixel,
        // data size, data offset.
        out << quint8(images[i].width() & 0xFF) << quint8(images[i].height() & 0xFF) << quint8(0) << quint8(0)
            << quint16(1) << quint16(32) << quint32(pngs[i].size()) << offset;
        offset += static_cast<quint32>(pngs[i].size());
    }
    for (const QByteArray& png : pngs)
        out.writeRawData(png.constData(), png.size());
    return file;
}

} // namespace skingen
