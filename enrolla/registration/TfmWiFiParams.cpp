#include "TfmWiFiParams.h"

namespace Enrolla {

TfmWiFiParams::TfmWiFiParams(QWidget* parent)
    : TParamPage(PageClass::TfmWiFiParams, QStringLiteral("Настройки подключения WiFi"), parent) {}

}  // namespace Enrolla
