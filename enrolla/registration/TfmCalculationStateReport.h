#pragma once

#include "TParamPage.h"

namespace Enrolla {

// The step that prints the report on the current state of settlements.
class TfmCalculationStateReport : public TParamPage {
  Q_OBJECT

 public:
  explicit TfmCalculationStateReport(QWidget* parent = nullptr);
};

}  // namespace Enrolla
