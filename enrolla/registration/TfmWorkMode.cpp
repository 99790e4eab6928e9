#include "TfmWorkMode.h"

namespace Enrolla {

TfmWorkMode::TfmWorkMode(QWidget* parent)
    : TParamPage(PageClass::TfmWorkMode, QStringLiteral("Тип налогообложения и режим работы ККТ"),
                 parent) {}

}  // namespace Enrolla
