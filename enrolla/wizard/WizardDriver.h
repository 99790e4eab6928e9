#pragma once

#include "TFerox.h"

#include <cstdint>

namespace Enrolla {

// The wizard's one driver object. Pages reach it through Driver() each time and never
// keep a reference; the first use creates it when CreateDriver has not.
TFerox& Driver();

// Creates the driver object unless it exists, and suspends its own exchange with the OFD
// so that the wizard alone decides when the register talks to the operator. Throws
// DriverCallError when the control cannot be created; no object is left then.
void CreateDriver();
void FreeDriver();
bool DriverExists();

// Releases the register's port, so that another program or the next step can reach it.
// Does nothing while no driver object exists.
void DisconnectDriver();

// Throws FeroxError "Ошибка <code>, <ResultCodeDescription>" for any code but 0.
void CheckResult(std::int32_t resultCode);

}  // namespace Enrolla
