#include "TfmRNDISParams.h"

namespace Enrolla {

TfmRNDISParams::TfmRNDISParams(QWidget* parent)
    : TParamPage(PageClass::TfmRNDISParams, QStringLiteral("Настройки подключения RNDIS"), parent) {
}

}  // namespace Enrolla
