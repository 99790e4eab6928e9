#pragma once

#include "TParamPage.h"

namespace Enrolla {

// The step where the retail chain's file of registration parameters is opened.
class TfmOpenRegParamsX5 : public TParamPage {
  Q_OBJECT

 public:
  explicit TfmOpenRegParamsX5(QWidget* parent = nullptr);
};

}  // namespace Enrolla
