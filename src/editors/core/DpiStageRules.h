#pragma once

#include "editors/core/SettingsState.h"

// Rules for switching DPI stages in and out of the mouse's cycle (the stage's `used` byte).

int usedStageCount(const std::array<DpiInfo, kDpiStageCount>& stages);
// The current stage stays on, and so does the last stage that is on.
bool canSwitchStageOff(const std::array<DpiInfo, kDpiStageCount>& stages, int iStage, int iCurrent);
// Flips `used` of iStage when allowed; returns whether the stage changed.
bool toggleStageUsed(std::array<DpiInfo, kDpiStageCount>& stages, int iStage, int iCurrent);
