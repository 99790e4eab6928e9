#pragma once

#include <chrono>
#include <cstdint>
#include <functional>

// Makes an attempt, and repeats it after a pause while the result says to go on waiting
// and the bound has not run out. There is always one attempt; the result is the last one.
std::int32_t repeatWithin(std::chrono::milliseconds bound, std::chrono::milliseconds pause,
                          const std::function<std::int32_t()>& attempt,
                          const std::function<bool(std::int32_t)>& keepWaiting);
