#pragma once

#include "TParamPage.h"

namespace Enrolla {

// The step that closes the fiscal storage archive.
class TfmCloseFN : public TParamPage {
  Q_OBJECT

 public:
  explicit TfmCloseFN(QWidget* parent = nullptr);
};

}  // namespace Enrolla
