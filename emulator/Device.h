#pragma once

#include "DeviceClock.h"
#include "ModelProfile.h"
#include "Printer.h"
#include "StateStore.h"

#include <QString>

// Everything the register is made of. Commands work on it under the register's lock.
struct Device {
  explicit Device(const QString& stateFolder)
      : folder(stateFolder), clock(store), printer(stateFolder) {}

  QString folder;
  StateStore store;
  DeviceClock clock;
  Printer printer;
  const ModelProfile* profile = &defaultProfile();
  int previousMode = 0;
};
