#pragma once

#include "TParamPage.h"

namespace Enrolla {

// The step for the tax systems, work modes, agent kinds and re-registration reasons.
class TfmWorkMode : public TParamPage {
  Q_OBJECT

 public:
  explicit TfmWorkMode(QWidget* parent = nullptr);
};

}  // namespace Enrolla
