#pragma once

#include <QtGlobal>

// Looks up a colour keyword ("red", "aliceblue", "transparent"), given in lower case: 0xRRGGBB.
bool namedColour(const char* lowerName, quint32& rgb);
