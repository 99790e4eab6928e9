#include "TfmSearchDevice.h"

namespace Enrolla {

TfmSearchDevice::TfmSearchDevice(QWidget* parent)
    : TParamPage(PageClass::TfmSearchDevice, QStringLiteral("Поиск устройств"), parent) {}

}  // namespace Enrolla
