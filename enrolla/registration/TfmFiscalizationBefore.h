#pragma once

#include "TParamPage.h"

namespace Enrolla {

// The step that registers or re-registers the register with the data gathered.
class TfmFiscalizationBefore : public TParamPage {
  Q_OBJECT

 public:
  explicit TfmFiscalizationBefore(QWidget* parent = nullptr);
};

}  // namespace Enrolla
