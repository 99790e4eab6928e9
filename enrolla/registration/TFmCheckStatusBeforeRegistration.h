#pragma once

#include "TfmCheckStatus.h"

namespace Enrolla {

// The state check before a registration.
class TFmCheckStatusBeforeRegistration : public TfmCheckStatus {
  Q_OBJECT

 public:
  explicit TFmCheckStatusBeforeRegistration(QWidget* parent = nullptr);
};

}  // namespace Enrolla
