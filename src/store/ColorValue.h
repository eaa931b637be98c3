#pragma once

#include "store/ConfigData.h"

#include <QVariant>

// The lighting colour as the settings layer stores it: a variant holding a Qt colour ("@Variant(...)").
QVariant colorToVariant(const RgbColor& color);
// A stored colour, or a text a Qt variant turns into a colour ("red", "#ff0000"); anything else is invalid.
RgbColor colorFromVariant(const QVariant& value);
