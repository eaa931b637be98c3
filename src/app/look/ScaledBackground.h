#pragma once

#include "app/look/DisplayScale.h"

#include <QPixmap>
#include <array>

namespace look {

// One copy of a background picture per scale level, made on first use.
class ScaledBackground
{
public:
    explicit ScaledBackground(const QPixmap& source = QPixmap());
    void setSource(const QPixmap& source);
    // The picture at 999 x 640 times the level's scale, aspect ratio ignored.
    const QPixmap& forLevel(int iLevel);
    bool has(int iLevel) const;

private:
    QPixmap m_Source;
    std::array<QPixmap, kScaleLevelCount> m_Copies;
};

} // namespace look
