#pragma once

#include "TParamPage.h"

namespace Enrolla {

// The first step of every pass, where the register is connected and switched on.
class TfmConnectDevice : public TParamPage {
  Q_OBJECT

 public:
  explicit TfmConnectDevice(QWidget* parent = nullptr);
};

}  // namespace Enrolla
