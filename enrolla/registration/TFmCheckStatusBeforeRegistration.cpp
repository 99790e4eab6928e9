#include "TFmCheckStatusBeforeRegistration.h"

namespace Enrolla {

TFmCheckStatusBeforeRegistration::TFmCheckStatusBeforeRegistration(QWidget* parent)
    : TfmCheckStatus(PageClass::TFmCheckStatusBeforeRegistration, parent) {}

}  // namespace Enrolla
