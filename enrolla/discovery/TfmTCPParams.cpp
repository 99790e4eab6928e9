#include "TfmTCPParams.h"

namespace Enrolla {

TfmTCPParams::TfmTCPParams(QWidget* parent)
    : TParamPage(PageClass::TfmTCPParams, QStringLiteral("Параметры подключения по TCP"), parent) {}

}  // namespace Enrolla
