#pragma once

#include "TParamPage.h"

namespace Enrolla {

// The step for the fiscal-document-format version of the registration.
class TfmFFD : public TParamPage {
  Q_OBJECT

 public:
  explicit TfmFFD(QWidget* parent = nullptr);
};

}  // namespace Enrolla
