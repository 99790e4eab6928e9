#pragma once

#include "TParamPage.h"

namespace Enrolla {

// The step for the register's settings of a network over the USB cable.
class TfmRNDISParams : public TParamPage {
  Q_OBJECT

 public:
  explicit TfmRNDISParams(QWidget* parent = nullptr);
};

}  // namespace Enrolla
