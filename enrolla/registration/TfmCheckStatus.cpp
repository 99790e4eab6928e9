#include "TfmCheckStatus.h"

namespace Enrolla {

TfmCheckStatus::TfmCheckStatus(PageClass pageClass, QWidget* parent)
    : TParamPage(pageClass, QStringLiteral("Проверка состояния"), parent) {}

}  // namespace Enrolla
