#pragma once

#include "look/DisplayScale.h"

#include <QPixmap>
#include <array>

namespace look {

// One copy of a background picture per scale level, made on first use.
class ScaledBackground
{
public:
    explicit ScaledBackground(const QPixmap& source = QPixmap());
    void setSource(const QPixmap& source);
    // A file name with "%1" for the level: a picture painted at a level's own size is used as it is,
    // so large scales stay sharp; other levels and missing files fall back to scaling the source.
    void setLevelPictures(const QString& pattern);
    // Loads a skin picture such as /skin/cfgMainback.png as the source, and the pictures painted per
    // level beside it (cfgMainback_0.png ...); false when the source does not load.
    bool loadSkin(const QString& skinPath);
    // The picture at 999 x 640 times the level's scale, aspect ratio ignored.
    const QPixmap& forLevel(int iLevel);
    bool has(int iLevel) const;

private:
    QPixmap m_Source;
    QString m_LevelPattern;
    std::array<QPixmap, kScaleLevelCount> m_Copies;
};

} // namespace look
