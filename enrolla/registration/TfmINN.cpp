#include "TfmINN.h"

namespace Enrolla {

TfmINN::TfmINN(QWidget* parent)
    : TParamPage(PageClass::TfmINN, QStringLiteral("Введите ИНН и РНМ ККТ"), parent) {}

}  // namespace Enrolla
