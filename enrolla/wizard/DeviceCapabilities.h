#pragma once

namespace Enrolla {

// Whether the register is built on the cash core, from model parameter 28. A register
// that cannot report the parameter is taken not to be one.
bool CapCashCore();
// The same after asking the register who it is (which the parameter depends on).
bool IsCashCore();
// Whether the register is model 19, which lacks some of the tables others have.
bool IsModel19();

}  // namespace Enrolla
