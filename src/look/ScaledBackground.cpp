#include "look/ScaledBackground.h"

#include "look/LookSettings.h"

#include <QFileInfo>
#include <QtGlobal>

namespace look {

ScaledBackground::ScaledBackground(const QPixmap& source) : m_Source(source) {}

void ScaledBackground::setSource(const QPixmap& source)
{
    m_Source = source;
    m_Copies.fill(QPixmap());
}

void ScaledBackground::setLevelPictures(const QString& pattern)
{
    m_LevelPattern = pattern;
    m_Copies.fill(QPixmap());
}

bool ScaledBackground::loadSkin(const QString& skinPath)
{
    const QString full = look::skinPath(skinPath);
    const QFileInfo info(full);
    setSource(QPixmap(full));
    setLevelPictures(info.path() + QLatin1Char('/') + info.completeBaseName() + QStringLiteral("_%1.") + info.suffix());
    return !m_Source.isNull();
}

const QPixmap& ScaledBackground::forLevel(int iLevel)
{
    iLevel = qBound(0, iLevel, kScaleLevelCount - 1);
    QPixmap& copy = m_Copies[static_cast<size_t>(iLevel)];
    if (!copy.isNull())
        return copy;
    const QSize size = scaledWindowSize(scaleForLevel(iLevel));
    if (!m_LevelPattern.isEmpty()) {
        QPixmap painted(m_LevelPattern.arg(iLevel));
        // A picture of another size would move the window's outline off its widgets.
        if (painted.size() == size)
            copy = painted;
    }
    if (copy.isNull() && !m_Source.isNull())
        copy = m_Source.scaled(size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    return copy;
}

bool ScaledBackground::has(int iLevel) const
{
    return iLevel >= 0 && iLevel < kScaleLevelCount && !m_Copies[static_cast<size_t>(iLevel)].isNull();
}

} // namespace look
