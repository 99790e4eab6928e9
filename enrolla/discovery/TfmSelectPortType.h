#pragma once

#include "TParamPage.h"

namespace Enrolla {

// The step where the user chooses how the computer reaches the register: a serial
// port or TCP.
class TfmSelectPortType : public TParamPage {
  Q_OBJECT

 public:
  explicit TfmSelectPortType(QWidget* parent = nullptr);
};

}  // namespace Enrolla
