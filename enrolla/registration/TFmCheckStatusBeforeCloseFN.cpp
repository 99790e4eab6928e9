#include "TFmCheckStatusBeforeCloseFN.h"

namespace Enrolla {

TFmCheckStatusBeforeCloseFN::TFmCheckStatusBeforeCloseFN(QWidget* parent)
    : TfmCheckStatus(PageClass::TFmCheckStatusBeforeCloseFN, parent) {}

}  // namespace Enrolla
