#pragma once

#include "DriverControlFactory.h"
#include "RecordingDriver.h"

#include <functional>
#include <memory>

// Makes the wizard's driver a RecordingDriver for the lifetime of the scope and frees it
// afterwards, so that each test starts from a fresh, unscripted control. Counts the
// controls created, and can tell when one is destroyed.
class EnrollaDriverScope {
 public:
  EnrollaDriverScope();
  ~EnrollaDriverScope();

  EnrollaDriverScope(const EnrollaDriverScope&) = delete;
  EnrollaDriverScope& operator=(const EnrollaDriverScope&) = delete;

  // The control behind the wizard's Driver(), creating the driver object when needed.
  RecordingDriver& recorder();
  int controlsCreated() const { return state_->created; }
  // Runs when a control of this scope is destroyed.
  void onControlDestroyed(std::function<void()> observer) {
    state_->destroyed = std::move(observer);
  }

 private:
  struct State {
    int created = 0;
    std::function<void()> destroyed;
  };
  std::shared_ptr<State> state_ = std::make_shared<State>();
  DriverControlFactory previous_;
};
