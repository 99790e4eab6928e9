#pragma once

#include "TParamPage.h"

class QListWidget;

namespace Enrolla {

// Who owns the register: a legal entity or an individual entrepreneur, which decides the
// length of the owner's INN.
class TfmSelectClientType : public TParamPage {
  Q_OBJECT

 public:
  explicit TfmSelectClientType(QWidget* parent = nullptr);

  void FormShow() override;
  void Next() override;

 private:
  QListWidget* listBox = nullptr;
};

}  // namespace Enrolla
