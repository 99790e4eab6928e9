#pragma once

#include "TParamPage.h"

namespace Enrolla {

// The step for the name of the cashier who closes the fiscal storage archive.
class TfmBeforeCloseFN : public TParamPage {
  Q_OBJECT

 public:
  explicit TfmBeforeCloseFN(QWidget* parent = nullptr);
};

}  // namespace Enrolla
