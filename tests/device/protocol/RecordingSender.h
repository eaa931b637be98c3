#pragma once

#include "device/Frame.h"

#include <vector>

// Records every frame it is given and answers `failResult` to the frame numbered `failAt` (from 0), 0 to
// all others; failAt < 0 never fails.
struct RecordingSender
{
    std::vector<Frame> frames;
    int failAt = -1;
    quint8 failResult = DeviceResult::WriteFailed;

    FrameSender sender()
    {
        return [this](const Frame& frame) -> quint8 {
            frames.push_back(frame);
            return static_cast<int>(frames.size()) - 1 == failAt ? failResult : DeviceResult::Done;
        };
    }
};
