#include "TfmEnterSerial.h"

namespace Enrolla {

TfmEnterSerial::TfmEnterSerial(QWidget* parent)
    : TParamPage(PageClass::TfmEnterSerial, QStringLiteral("Введите заводской номер"), parent) {}

}  // namespace Enrolla
