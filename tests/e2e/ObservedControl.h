#pragma once

#include "IFerox.h"

#include <functional>
#include <map>
#include <memory>
#include <string>

// Passes everything on to a control and counts the calls of each method. An action may be
// set to run just before a method's first call: a test changes the register's settings at
// that very moment.
class ObservedControl : public IFerox {
 public:
  explicit ObservedControl(std::unique_ptr<IFerox> control) : control_(std::move(control)) {}

  DriverValue getProperty(std::string_view name) override { return control_->getProperty(name); }
  void setProperty(std::string_view name, const DriverValue& value) override {
    control_->setProperty(name, value);
  }
  std::int32_t callMethod(std::string_view name) override;

  int calls(const std::string& method) const;
  void beforeFirstCall(const std::string& method, std::function<void()> action);

 private:
  std::unique_ptr<IFerox> control_;
  std::map<std::string, int, std::less<>> calls_;
  std::map<std::string, std::function<void()>, std::less<>> firstCallActions_;
};
