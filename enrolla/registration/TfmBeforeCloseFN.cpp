#include "TfmBeforeCloseFN.h"

namespace Enrolla {

TfmBeforeCloseFN::TfmBeforeCloseFN(QWidget* parent)
    : TParamPage(PageClass::TfmBeforeCloseFN, QStringLiteral("Закрытие архива ФН"), parent) {}

}  // namespace Enrolla
