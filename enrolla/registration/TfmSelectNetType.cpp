#include "TfmSelectNetType.h"

namespace Enrolla {

TfmSelectNetType::TfmSelectNetType(QWidget* parent)
    : TParamPage(PageClass::TfmSelectNetType, QStringLiteral("Выберите тип подключения к ОФД"),
                 parent) {}

}  // namespace Enrolla
