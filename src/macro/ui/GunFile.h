#pragma once

#include "macro/core/MacroEvent.h"

#include <QString>

#include <vector>

// One bullet row of the gun set dialog: the pause after the shot and the recoil compensation move.
struct GunBullet
{
    int iDelayMs = 100; // 1..999
    int iMoveX = 0;     // -100..100, positive = right
    int iMoveY = 0;     // -100..100, positive = down
};

constexpr int kGunBulletCount = 5;

// Per bullet: left press, left release, the horizontal move, the vertical move (each only when not 0) and
// the delay. Events use the macro file's encoding, so the editor and the download read them as written.
std::vector<MacroEvent> gunEvents(const std::vector<GunBullet>& bullets);

// Writes the gun file macroFilePath(name) with every key as an integer; false for a name that is not a
// plain file name or a file that could not be written.
bool writeGunFile(const QString& name, const std::vector<MacroEvent>& events);
