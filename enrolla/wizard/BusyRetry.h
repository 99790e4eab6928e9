#pragma once

#include <chrono>
#include <cstdint>
#include <functional>

namespace Enrolla {

// A register still busy with an earlier command answers 80 or 75; the call is repeated
// after a pause, a bounded number of times, so that a register that stays busy ends in
// its busy error instead of holding the wizard for ever.
inline constexpr int BusyAttempts = 100;
inline constexpr std::chrono::milliseconds BusyPause{50};

// Makes the call, and repeats it while it answers busy, at most BusyAttempts times in
// all with BusyPause between attempts; returns the last result.
std::int32_t callWhileBusy(const std::function<std::int32_t()>& call);

// How the wait between attempts is spent: a sleep of the calling thread unless replaced.
// Returns the wait installed before; an empty one restores the sleep.
using BusyWait = std::function<void(std::chrono::milliseconds)>;
BusyWait setBusyWait(BusyWait wait);

}  // namespace Enrolla
