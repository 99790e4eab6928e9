#pragma once

#include "TParamPage.h"

namespace Enrolla {

// The step for the serial number of a new register that has none yet.
class TfmEnterSerial : public TParamPage {
  Q_OBJECT

 public:
  explicit TfmEnterSerial(QWidget* parent = nullptr);
};

}  // namespace Enrolla
