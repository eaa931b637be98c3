#include "app/look/ScaledBackground.h"

#include <QtGlobal>

namespace look {

ScaledBackground::ScaledBackground(const QPixmap& source) : m_Source(source) {}

void ScaledBackground::setSource(const QPixmap& source)
{
    m_Source = source;
    m_Copies.fill(QPixmap());
}

const QPixmap& ScaledBackground::forLevel(int iLevel)
{
    iLevel = qBound(0, iLevel, kScaleLevelCount - 1);
    QPixmap& copy = m_Copies[static_cast<size_t>(iLevel)];
    if (copy.isNull() && !m_Source.isNull())
        copy = m_Source.scaled(scaledWindowSize(scaleForLevel(iLevel)), Qt::IgnoreAspectRatio, Qt::FastTransformation);
    return copy;
}

bool ScaledBackground::has(int iLevel) const
{
    return iLevel >= 0 && iLevel < kScaleLevelCount && !m_Copies[static_cast<size_t>(iLevel)].isNull();
}

} // namespace look
