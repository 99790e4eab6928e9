#pragma once

#include "TParamPage.h"

namespace Enrolla {

// The state check that must pass before a registration, a re-registration or the
// closing of the fiscal storage archive: a closed shift, nothing waiting for the fiscal
// data operator, the register's clock in step with the computer's. Each subclass is the
// check before one kind of work.
class TfmCheckStatus : public TParamPage {
  Q_OBJECT

 public:
  explicit TfmCheckStatus(PageClass pageClass, QWidget* parent = nullptr);
};

}  // namespace Enrolla
