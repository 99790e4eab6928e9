#include "RepeatWithin.h"

#include <thread>

std::int32_t repeatWithin(std::chrono::milliseconds bound, std::chrono::milliseconds pause,
                          const std::function<std::int32_t()>& attempt,
                          const std::function<bool(std::int32_t)>& keepWaiting) {
  const auto deadline = std::chrono::steady_clock::now() + bound;
  for (;;) {
    const std::int32_t result = attempt();
    if (!keepWaiting(result) || std::chrono::steady_clock::now() + pause > deadline) return result;
    std::this_thread::sleep_for(pause);
  }
}
