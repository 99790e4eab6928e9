#pragma once

#include "TParamPage.h"

namespace Enrolla {

// The step for the owner's name, the cashier and the address and place of settlements.
class TfmUserParams : public TParamPage {
  Q_OBJECT

 public:
  explicit TfmUserParams(QWidget* parent = nullptr);
};

}  // namespace Enrolla
