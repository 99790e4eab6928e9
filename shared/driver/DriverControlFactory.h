#pragma once

#include "IFerox.h"

#include <functional>
#include <memory>

// Chooses, for the whole process, which implementation of the contract the programs get.
// A program installs its factory at start; tests install the recording double.
using DriverControlFactory = std::function<std::unique_ptr<IFerox>()>;

// Returns the factory that was installed before.
DriverControlFactory setDriverControlFactory(DriverControlFactory factory);

// Creates a control through the installed factory. Throws DriverCallError when no
// factory is installed or the factory fails.
std::unique_ptr<IFerox> createDriverControl();
