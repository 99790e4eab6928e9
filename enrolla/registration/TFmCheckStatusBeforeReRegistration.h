#pragma once

#include "TfmCheckStatus.h"

namespace Enrolla {

// The state check before a re-registration.
class TFmCheckStatusBeforeReRegistration : public TfmCheckStatus {
  Q_OBJECT

 public:
  explicit TFmCheckStatusBeforeReRegistration(QWidget* parent = nullptr);
};

}  // namespace Enrolla
