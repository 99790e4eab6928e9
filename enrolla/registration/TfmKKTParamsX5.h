#pragma once

#include "TParamPage.h"

namespace Enrolla {

// The step where the register's parameters are saved as the retail chain's file.
class TfmKKTParamsX5 : public TParamPage {
  Q_OBJECT

 public:
  explicit TfmKKTParamsX5(QWidget* parent = nullptr);
};

}  // namespace Enrolla
