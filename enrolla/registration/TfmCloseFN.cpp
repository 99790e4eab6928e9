#include "TfmCloseFN.h"

namespace Enrolla {

TfmCloseFN::TfmCloseFN(QWidget* parent)
    : TParamPage(PageClass::TfmCloseFN, QStringLiteral("Закрытие архива ФН"), parent) {}

}  // namespace Enrolla
