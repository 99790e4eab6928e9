#pragma once

#include "TParamPage.h"

namespace Enrolla {

// The step for the fiscal data operator's details and server.
class TfmOFDParams : public TParamPage {
  Q_OBJECT

 public:
  explicit TfmOFDParams(QWidget* parent = nullptr);
};

}  // namespace Enrolla
