#pragma once

#include "store/ConfigData.h"

#include <QPixmap>

// The mouse picture with its light strip and logo in the colour the lighting shows: the effect's colour, a
// spectrum for the effects that run through colours, grey when the lighting is off. `glow` is the picture's
// lit parts in white (same size); without it the picture stays as it is.
QPixmap withLightingGlow(const QPixmap& picture, const QPixmap& glow, const ProfileData& lighting);
