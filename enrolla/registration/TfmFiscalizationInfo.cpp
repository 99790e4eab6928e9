#include "TfmFiscalizationInfo.h"

namespace Enrolla {

TfmFiscalizationInfo::TfmFiscalizationInfo(QWidget* parent)
    : TParamPage(PageClass::TfmFiscalizationInfo, QStringLiteral("Печать чека о фискализации"),
                 parent) {}

}  // namespace Enrolla
