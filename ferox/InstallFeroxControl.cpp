#include "InstallFeroxControl.h"

#include "DriverControlFactory.h"
#include "FeroxControl.h"

void installFeroxControl() {
  setDriverControlFactory([] { return std::make_unique<FeroxControl>(); });
}
