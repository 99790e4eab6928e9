#include "TRadioGroup.h"

#include <QButtonGroup>
#include <QRadioButton>
#include <QVBoxLayout>

TRadioGroup::TRadioGroup(const QString& title, const QStringList& items, QWidget* parent)
    : QGroupBox(title, parent), FButtons(new QButtonGroup(this)) {
  auto* layout = new QVBoxLayout(this);
  for (const QString& item : items) {
    auto* button = new QRadioButton(item, this);
    FButtons->addButton(button, FButtons->buttons().size());
    layout->addWidget(button);
  }
  connect(FButtons, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
    if (checked) emit itemIndexChanged(id);
  });
}

int TRadioGroup::count() const { return int(FButtons->buttons().size()); }

int TRadioGroup::ItemIndex() const { return FButtons->checkedId(); }

void TRadioGroup::setItemIndex(int index) {
  if (index < -1 || index >= count() || index == ItemIndex()) return;
  if (index >= 0) {
    FButtons->button(index)->setChecked(true);
    return;
  }
  // An exclusive group cannot uncheck its last button, so exclusivity pauses meanwhile.
  FButtons->setExclusive(false);
  FButtons->checkedButton()->setChecked(false);
  FButtons->setExclusive(true);
  emit itemIndexChanged(-1);
}
