#include "TfmRegParamsX5.h"

namespace Enrolla {

TfmRegParamsX5::TfmRegParamsX5(QWidget* parent)
    : TParamPage(PageClass::TfmRegParamsX5, QStringLiteral("Параметры регистрации (X5)"), parent) {}

}  // namespace Enrolla
