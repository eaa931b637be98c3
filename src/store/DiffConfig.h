#pragma once

#include "store/ConfigData.h"

// Which groups of device writes turn `saved` into `working`. Each group's scan stops at its first
// difference. Side effect: when the only news of a macro button is its macro file's Setting/WriteSign,
// that flag is cleared in the file (the write-out about to run takes the change).
ChangeMask diffConfig(const ConfigData& working, const ConfigData& saved);
// The same groups, leaving every macro file's flag as it is.
ChangeMask peekConfigChanges(const ConfigData& working, const ConfigData& saved);
