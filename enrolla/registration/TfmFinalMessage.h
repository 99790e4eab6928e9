#pragma once

#include "TParamPage.h"

namespace Enrolla {

// The end of a pass; "Далее >" returns to the start.
class TfmFinalMessage : public TParamPage {
  Q_OBJECT

 public:
  explicit TfmFinalMessage(QWidget* parent = nullptr);
};

}  // namespace Enrolla
