#include "TfmCheckEthernet.h"

namespace Enrolla {

TfmCheckEthernet::TfmCheckEthernet(QWidget* parent)
    : TParamPage(PageClass::TfmCheckEthernet, QStringLiteral("Проверка связи по Ethernet"),
                 parent) {}

}  // namespace Enrolla
