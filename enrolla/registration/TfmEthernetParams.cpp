#include "TfmEthernetParams.h"

namespace Enrolla {

TfmEthernetParams::TfmEthernetParams(QWidget* parent)
    : TParamPage(PageClass::TfmEthernetParams, QStringLiteral("Параметры Ethernet"), parent) {}

}  // namespace Enrolla
