#pragma once

#include "TParamPage.h"

namespace Enrolla {

// The step where the user chooses how the register reaches the fiscal data operator:
// Ethernet, Wi-Fi or RNDIS.
class TfmSelectNetType : public TParamPage {
  Q_OBJECT

 public:
  explicit TfmSelectNetType(QWidget* parent = nullptr);
};

}  // namespace Enrolla
