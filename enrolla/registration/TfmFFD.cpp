#include "TfmFFD.h"

namespace Enrolla {

TfmFFD::TfmFFD(QWidget* parent)
    : TParamPage(PageClass::TfmFFD, QStringLiteral("Версия ФФД"), parent) {}

}  // namespace Enrolla
