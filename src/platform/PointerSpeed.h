#pragma once

#include <memory>

namespace platform {

constexpr int kMinPointerSpeed = 1;
constexpr int kMaxPointerSpeed = 20;
constexpr int kDefaultPointerSpeed = 10;

// The computer's pointer speed on the 1..20 scale that every profile stores.
class PointerSpeed
{
public:
    virtual ~PointerSpeed() = default;
    // The speed the desktop uses now. Where no desktop setting can be read, the last speed applied in
    // this run, or `iStoredSpeed` (the profile's own value) when none was applied; Windows gives 0 when
    // its call fails.
    virtual int currentSpeed(int iStoredSpeed) = 0;
    // Sets the desktop's speed; true when a desktop setting was changed. Never fails loudly: a refusal
    // only writes a debug line, and where nothing can be changed the value is only remembered.
    virtual bool applySpeed(int iSpeed) = 0;
};

std::unique_ptr<PointerSpeed> makePointerSpeed();

} // namespace platform
