#pragma once

#include "TParamPage.h"

namespace Enrolla {

// The step where the register's network address is given and checked.
class TfmTCPParams : public TParamPage {
  Q_OBJECT

 public:
  explicit TfmTCPParams(QWidget* parent = nullptr);
};

}  // namespace Enrolla
