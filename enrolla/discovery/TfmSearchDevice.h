#pragma once

#include "TParamPage.h"

namespace Enrolla {

// The step where registers are looked for on the computer's serial ports.
class TfmSearchDevice : public TParamPage {
  Q_OBJECT

 public:
  explicit TfmSearchDevice(QWidget* parent = nullptr);
};

}  // namespace Enrolla
