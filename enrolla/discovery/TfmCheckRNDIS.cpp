#include "TfmCheckRNDIS.h"

namespace Enrolla {

TfmCheckRNDIS::TfmCheckRNDIS(QWidget* parent)
    : TParamPage(PageClass::TfmCheckRNDIS, QStringLiteral("Проверка связи по RNDIS"), parent) {}

}  // namespace Enrolla
