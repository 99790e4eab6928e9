#pragma once

#include "PageClass.h"

#include <array>

// Every page class, in the order the main window creates its pages.
inline constexpr std::array allPageClasses = {
#define ENROLLA_PAGE(name) Enrolla::PageClass::name,
#include "PageClasses.def"
#undef ENROLLA_PAGE
};
