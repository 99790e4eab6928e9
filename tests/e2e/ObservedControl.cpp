#include "ObservedControl.h"

std::int32_t ObservedControl::callMethod(std::string_view name) {
  if (const auto action = firstCallActions_.find(name); action != firstCallActions_.end()) {
    const auto run = std::move(action->second);
    firstCallActions_.erase(action);
    run();
  }
  ++calls_[std::string(name)];
  return control_->callMethod(name);
}

int ObservedControl::calls(const std::string& method) const {
  const auto found = calls_.find(method);
  return found == calls_.end() ? 0 : found->second;
}

void ObservedControl::beforeFirstCall(const std::string& method, std::function<void()> action) {
  firstCallActions_[method] = std::move(action);
}
