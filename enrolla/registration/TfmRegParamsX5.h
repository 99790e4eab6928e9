#pragma once

#include "TParamPage.h"

namespace Enrolla {

// The step for the cashier's data and the format version that the retail chain's file
// leaves open.
class TfmRegParamsX5 : public TParamPage {
  Q_OBJECT

 public:
  explicit TfmRegParamsX5(QWidget* parent = nullptr);
};

}  // namespace Enrolla
