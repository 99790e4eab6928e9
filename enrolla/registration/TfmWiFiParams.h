#pragma once

#include "TParamPage.h"

namespace Enrolla {

// The step for the register's Wi-Fi settings. They take effect only after the register
// restarts, and no check follows, so the wizard stays here.
class TfmWiFiParams : public TParamPage {
  Q_OBJECT

 public:
  explicit TfmWiFiParams(QWidget* parent = nullptr);
};

}  // namespace Enrolla
