#pragma once

#include <QString>

namespace Enrolla {

// Names a page class of the wizard: the page that follows another is named by its class,
// and the main window finds the page of that class in its list. Each identifier is
// spelled as the class it names.
enum class PageClass {
#define ENROLLA_PAGE(name) name,
#include "PageClasses.def"
#undef ENROLLA_PAGE
};

// The class name, "TfmSelectWorkType" say.
QString pageClassName(PageClass pageClass);

}  // namespace Enrolla
