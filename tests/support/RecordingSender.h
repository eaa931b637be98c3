#pragma once

#include "device/Frame.h"

#include <QList>

#include <vector>

// A mouse that echoes everything: records each frame, fails from frame `failAt` on (0-based) when set.
struct RecordingSender
{
    std::vector<Frame> frames;
    int failAt = -1;
    quint8 failure = DeviceResult::WriteFailed;

    FrameSender sender()
    {
        return [this](const Frame& frame) {
            if (failAt >= 0 && int(frames.size()) >= failAt)
                return failure;
            frames.push_back(frame);
            return DeviceResult::Done;
        };
    }
    // Command byte of each frame, runs of the same command folded into one.
    QList<int> commandRuns() const
    {
        QList<int> runs;
        for (const Frame& f : frames) {
            if (runs.isEmpty() || runs.last() != f[FrameLayout::Command])
                runs << f[FrameLayout::Command];
        }
        return runs;
    }
};
