#include "TfmKKTParamsX5.h"

namespace Enrolla {

TfmKKTParamsX5::TfmKKTParamsX5(QWidget* parent)
    : TParamPage(PageClass::TfmKKTParamsX5, QStringLiteral("Сохранить параметры ФР (X5)"), parent) {
}

}  // namespace Enrolla
