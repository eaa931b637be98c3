#include "editors/core/DpiStageRules.h"

int usedStageCount(const std::array<DpiInfo, kDpiStageCount>& stages)
{
    int iCount = 0;
    for (const DpiInfo& stage : stages) {
        if (stage.used != 0)
            ++iCount;
    }
    return iCount;
}

bool canSwitchStageOff(const std::array<DpiInfo, kDpiStageCount>& stages, int iStage, int iCurrent)
{
    if (iStage < 0 || iStage >= kDpiStageCount || iStage == iCurrent)
        return false;
    if (stages[static_cast<size_t>(iStage)].used == 0)
        return false;
    return usedStageCount(stages) > 1;
}

bool toggleStageUsed(std::array<DpiInfo, kDpiStageCount>& stages, int iStage, int iCurrent)
{
    if (iStage < 0 || iStage >= kDpiStageCount)
        return false;
    DpiInfo& stage = stages[static_cast<size_t>(iStage)];
    if (stage.used == 0) {
        stage.used = 1;
        return true;
    }
    if (!canSwitchStageOff(stages, iStage, iCurrent))
        return false;
    stage.used = 0;
    return true;
}
