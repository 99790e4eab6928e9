#include "EnrollaDriverScope.h"

#include "WizardDriver.h"

namespace {

class ObservedRecordingDriver : public RecordingDriver {
 public:
  explicit ObservedRecordingDriver(std::function<void()> destroyed)
      : destroyed_(std::move(destroyed)) {}
  ~ObservedRecordingDriver() override {
    if (destroyed_) destroyed_();
  }

 private:
  std::function<void()> destroyed_;
};

}  // namespace

EnrollaDriverScope::EnrollaDriverScope() {
  Enrolla::FreeDriver();
  previous_ = setDriverControlFactory([state = state_] {
    ++state->created;
    return std::make_unique<ObservedRecordingDriver>([state] {
      if (state->destroyed) state->destroyed();
    });
  });
}

EnrollaDriverScope::~EnrollaDriverScope() {
  Enrolla::FreeDriver();
  setDriverControlFactory(std::move(previous_));
}

RecordingDriver& EnrollaDriverScope::recorder() {
  return dynamic_cast<RecordingDriver&>(Enrolla::Driver().control());
}
