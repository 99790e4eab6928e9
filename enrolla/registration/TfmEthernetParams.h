#pragma once

#include "TParamPage.h"

namespace Enrolla {

// The step for the register's Ethernet settings.
class TfmEthernetParams : public TParamPage {
  Q_OBJECT

 public:
  explicit TfmEthernetParams(QWidget* parent = nullptr);
};

}  // namespace Enrolla
