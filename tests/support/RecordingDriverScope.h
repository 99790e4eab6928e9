#pragma once

#include "DriverControlFactory.h"
#include "RecordingDriver.h"
#include "TDriver.h"

// Makes the process-wide Driver() a RecordingDriver for the lifetime of the scope, and
// frees it afterwards, so that each test starts from a fresh, unscripted control.
class RecordingDriverScope {
 public:
  RecordingDriverScope();
  ~RecordingDriverScope();

  RecordingDriverScope(const RecordingDriverScope&) = delete;
  RecordingDriverScope& operator=(const RecordingDriverScope&) = delete;

  // The control behind Driver(), creating the driver object when needed.
  RecordingDriver& recorder();

 private:
  DriverControlFactory previous_;
};
