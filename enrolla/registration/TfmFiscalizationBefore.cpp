#include "TfmFiscalizationBefore.h"

namespace Enrolla {

TfmFiscalizationBefore::TfmFiscalizationBefore(QWidget* parent)
    : TParamPage(PageClass::TfmFiscalizationBefore, QStringLiteral("Регистрация ККТ"), parent) {}

}  // namespace Enrolla
