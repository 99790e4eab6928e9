#include "TfmConnectDevice.h"

namespace Enrolla {

TfmConnectDevice::TfmConnectDevice(QWidget* parent)
    : TParamPage(PageClass::TfmConnectDevice, QStringLiteral("Подключите устройство"), parent) {}

}  // namespace Enrolla
