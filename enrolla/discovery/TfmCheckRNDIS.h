#pragma once

#include "TParamPage.h"

namespace Enrolla {

// The step where the register's connection over its new RNDIS settings is checked.
class TfmCheckRNDIS : public TParamPage {
  Q_OBJECT

 public:
  explicit TfmCheckRNDIS(QWidget* parent = nullptr);
};

}  // namespace Enrolla
