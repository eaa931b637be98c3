#include "app/shell/MouseGlow.h"

#include "editors/core/LightingEffects.h"

#include <QLinearGradient>
#include <QPainter>

namespace {

QBrush lightingBrush(const ProfileData& lighting, const QSize& size)
{
    const EffectInfo* effect = effectInfo(lighting.LedMode);
    if (!effect || lighting.LedMode == 0)
        return QColor(90, 90, 90);
    const RgbColor& rgb = lighting.modes[lighting.LedMode].RGB;
    if (effect->bColor && rgb.valid)
        return QColor(rgb.red, rgb.green, rgb.blue);
    QLinearGradient spectrum(0, 0, size.width(), 0);
    constexpr int kStops = 6;
    for (int i = 0; i <= kStops; ++i)
        spectrum.setColorAt(double(i) / kStops, QColor::fromHsv((i * 300 / kStops) % 360, 230, 255));
    return spectrum;
}

} // namespace

QPixmap withLightingGlow(const QPixmap& picture, const QPixmap& glow, const ProfileData& lighting)
{
    if (picture.isNull() || glow.isNull())
        return picture;
    QPixmap tinted(glow.size());
    tinted.fill(Qt::transparent);
    {
        QPainter painter(&tinted);
        painter.drawPixmap(0, 0, glow);
        painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
        painter.fillRect(tinted.rect(), lightingBrush(lighting, tinted.size()));
    }
    QPixmap result = picture;
    QPainter painter(&result);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(result.rect(), tinted);
    return result;
}
