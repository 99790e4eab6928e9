#include "TfmUserParams.h"

namespace Enrolla {

TfmUserParams::TfmUserParams(QWidget* parent)
    : TParamPage(PageClass::TfmUserParams, QStringLiteral("Настройки места установки ККТ"),
                 parent) {}

}  // namespace Enrolla
