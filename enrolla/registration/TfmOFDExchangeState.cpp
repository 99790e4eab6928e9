#include "TfmOFDExchangeState.h"

namespace Enrolla {

TfmOFDExchangeState::TfmOFDExchangeState(QWidget* parent)
    : TParamPage(PageClass::TfmOFDExchangeState, QStringLiteral("Проверка отправки данных в ОФД"),
                 parent) {}

}  // namespace Enrolla
