#pragma once

#include "store/ConfigData.h"

#include <QString>

// The lighting colour as the settings layer stores a Qt colour: "@Variant(" + the data-stream bytes of a
// variant holding the colour + ")", one character per byte. Written and read here without the GUI library.
QString colourVariantText(const RgbColor& color);
// The colour a "@Variant(...)" text holds; false when the variant holds something else.
bool colourOfVariantText(const QString& text, RgbColor& color);
// A colour named the way a Qt colour reads a text: a keyword ("red", "Light Blue", "transparent") or #rgb,
// #rrggbb, #aarrggbb, #rrrgggbbb, #rrrrggggbbbb. Anything else gives the invalid colour.
RgbColor colourOfName(const QString& name);
// The form a stored colour variant is written back in (what reading it into a colour and writing that
// gives); false when the text holds no colour.
bool rewrittenColourVariant(const QString& text, QString& rewritten);
