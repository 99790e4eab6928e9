#include "TfmFinalMessage.h"

namespace Enrolla {

TfmFinalMessage::TfmFinalMessage(QWidget* parent)
    : TParamPage(PageClass::TfmFinalMessage, QStringLiteral("Завершение"), parent) {}

}  // namespace Enrolla
