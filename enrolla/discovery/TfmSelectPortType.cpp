#include "TfmSelectPortType.h"

namespace Enrolla {

TfmSelectPortType::TfmSelectPortType(QWidget* parent)
    : TParamPage(PageClass::TfmSelectPortType, QStringLiteral("Выберите тип подключения к ККТ"),
                 parent) {}

}  // namespace Enrolla
