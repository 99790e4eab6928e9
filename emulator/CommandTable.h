#pragma once

#include "DeviceCall.h"
#include "DeviceModes.h"
#include "Passwords.h"

#include <string_view>

// The one table of the methods the register carries out: who may call each, in which
// modes, and the function that does it. A method not in the table is not supported.
struct Command {
  std::string_view method;
  Access access;
  mode::Mask modes;
  CommandHandler run;
};

const Command* findCommand(std::string_view method);
