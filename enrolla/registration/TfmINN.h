#pragma once

#include "TParamPage.h"

namespace Enrolla {

// The step for the owner's INN and the register's registration number.
class TfmINN : public TParamPage {
  Q_OBJECT

 public:
  explicit TfmINN(QWidget* parent = nullptr);
};

}  // namespace Enrolla
