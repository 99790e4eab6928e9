#include "PageClass.h"

namespace Enrolla {

QString pageClassName(PageClass pageClass) {
  switch (pageClass) {
#define ENROLLA_PAGE(name) \
  case PageClass::name:    \
    return QStringLiteral(#name);
#include "PageClasses.def"
#undef ENROLLA_PAGE
  }
  return {};
}

}  // namespace Enrolla
