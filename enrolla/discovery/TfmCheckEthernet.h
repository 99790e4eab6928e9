#pragma once

#include "TParamPage.h"

namespace Enrolla {

// The step where the register's connection over its new Ethernet settings is checked.
class TfmCheckEthernet : public TParamPage {
  Q_OBJECT

 public:
  explicit TfmCheckEthernet(QWidget* parent = nullptr);
};

}  // namespace Enrolla
