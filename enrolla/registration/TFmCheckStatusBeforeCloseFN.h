#pragma once

#include "TfmCheckStatus.h"

namespace Enrolla {

// The state check before the fiscal storage archive is closed.
class TFmCheckStatusBeforeCloseFN : public TfmCheckStatus {
  Q_OBJECT

 public:
  explicit TFmCheckStatusBeforeCloseFN(QWidget* parent = nullptr);
};

}  // namespace Enrolla
