#pragma once

#include "TParamPage.h"

class QLabel;
class QListWidget;

namespace Enrolla {

// The hub of every pass: the user picks the kind of work for the register found. Each
// visit starts a new flow, so the registration data of the last one are cleared here.
class TfmSelectWorkType : public TParamPage {
  Q_OBJECT

 public:
  explicit TfmSelectWorkType(QWidget* parent = nullptr);

  void FormShow() override;
  void Next() override;

 private:
  void showDevice();
  // Offers the OFD connection setup when the model has the OFD connection table.
  void offerOFDSetup();

  QLabel* lblDevice = nullptr;
  QListWidget* listBox = nullptr;
};

}  // namespace Enrolla
