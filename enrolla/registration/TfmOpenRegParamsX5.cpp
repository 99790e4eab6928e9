#include "TfmOpenRegParamsX5.h"

namespace Enrolla {

TfmOpenRegParamsX5::TfmOpenRegParamsX5(QWidget* parent)
    : TParamPage(PageClass::TfmOpenRegParamsX5, QStringLiteral("Открыть файл с парметрами (X5)"),
                 parent) {}

}  // namespace Enrolla
