#include "TFmCheckStatusBeforeReRegistration.h"

namespace Enrolla {

TFmCheckStatusBeforeReRegistration::TFmCheckStatusBeforeReRegistration(QWidget* parent)
    : TfmCheckStatus(PageClass::TFmCheckStatusBeforeReRegistration, parent) {}

}  // namespace Enrolla
