#pragma once

#include "TParamPage.h"

namespace Enrolla {

// The step that shows, prints and saves the report of the registration.
class TfmFiscalizationInfo : public TParamPage {
  Q_OBJECT

 public:
  explicit TfmFiscalizationInfo(QWidget* parent = nullptr);
};

}  // namespace Enrolla
