#pragma once

#include "PageRegistry.h"

// Stand-ins for the program's pages while they are being written: each has about twenty
// fields of the usual kinds (captioned edits, spin boxes, combo boxes filled in
// Initialize, check boxes) and two buttons, laid out as a real page would be.

// The twelve groups with as many synthetic pages in each as the program will have
// (69 in all), or only the first pages of the first groups when `pageLimit` is smaller.
PageRegistry syntheticRegistry(int pageLimit = 69);
