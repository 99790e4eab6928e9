#include "RecordingDriverScope.h"

RecordingDriverScope::RecordingDriverScope() {
  FreeDriver();
  previous_ = setDriverControlFactory([] { return std::make_unique<RecordingDriver>(); });
}

RecordingDriverScope::~RecordingDriverScope() {
  FreeDriver();
  setDriverControlFactory(std::move(previous_));
}

RecordingDriver& RecordingDriverScope::recorder() {
  return dynamic_cast<RecordingDriver&>(Driver().control());
}
