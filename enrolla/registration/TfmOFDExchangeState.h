#pragma once

#include "TParamPage.h"

namespace Enrolla {

// The step that tells whether every document has reached the fiscal data operator.
class TfmOFDExchangeState : public TParamPage {
  Q_OBJECT

 public:
  explicit TfmOFDExchangeState(QWidget* parent = nullptr);
};

}  // namespace Enrolla
