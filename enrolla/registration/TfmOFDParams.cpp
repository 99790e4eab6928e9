#include "TfmOFDParams.h"

namespace Enrolla {

TfmOFDParams::TfmOFDParams(QWidget* parent)
    : TParamPage(PageClass::TfmOFDParams, QStringLiteral("Настройки ОФД"), parent) {}

}  // namespace Enrolla
