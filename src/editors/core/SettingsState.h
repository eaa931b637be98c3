#pragma once

// The settings state types for code that also sees Qt's moc keywords: ConfigData has a member named
// `slots`, which Qt defines as an empty macro once a QObject header has been read.
#pragma push_macro("slots")
#undef slots
#include "store/ConfigData.h"
#pragma pop_macro("slots")
