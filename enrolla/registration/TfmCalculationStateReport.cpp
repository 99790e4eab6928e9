#include "TfmCalculationStateReport.h"

namespace Enrolla {

TfmCalculationStateReport::TfmCalculationStateReport(QWidget* parent)
    : TParamPage(PageClass::TfmCalculationStateReport,
                 QStringLiteral("Отчет о текущем состоянии расчетов"), parent) {}

}  // namespace Enrolla
