#include "TfmSelectClientType.h"

#include "ChoiceList.h"
#include "FeroxError.h"
#include "TController.h"

#include <QListWidget>

namespace Enrolla {

namespace {

constexpr int LegalEntityRow = 0;

}  // namespace

TfmSelectClientType::TfmSelectClientType(QWidget* parent)
    : TParamPage(PageClass::TfmSelectClientType, QStringLiteral("Выберите тип работы"), parent),
      listBox(createChoiceList(*this)) {
  fillChoices(*listBox, {QStringLiteral("Юридическое лицо"),
                         QStringLiteral("Индивидуальный предприниматель")});
  listBox->setAccessibleName(QStringLiteral("Тип клиента"));
}

void TfmSelectClientType::FormShow() {
  listBox->setCurrentRow(LegalEntityRow);
  listBox->setFocus();
}

void TfmSelectClientType::Next() {
  const int row = selectedRow(*listBox);
  if (row < 0) throw FeroxError(QStringLiteral("Выберите тип клиента!"));
  Controller().Yur = row == LegalEntityRow;
  MoveOn(Controller().flowState());
}

}  // namespace Enrolla
