#include "SyntheticPages.h"

#include "PageRegistry.h"
#include "TDriver.h"
#include "TPage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <array>
#include <functional>

namespace {

struct EditField {
  const char* name;
  const char* caption;
  const char* property;
  const char* value;
};

constexpr EditField editFields[] = {
    {"edtPrice", "Цена:", "Price", "1,00"},
    {"edtQuantity", "Количество:", "Quantity", "1,000"},
    {"edtSumm1", "Сумма 1:", "Summ1", "0"},
    {"edtSumm2", "Сумма 2:", "Summ2", "0"},
    {"edtDiscount", "Скидка:", "DiscountOnCheck", "0"},
    {"edtBarcode", "Штрихкод:", "BarCode", "4600000000001"},
    {"edtText", "Текст:", "StringForPrinting", "Строка для печати"},
    {"edtTagValue", "Значение тега:", "TagValueStr", ""},
};

struct SpinField {
  const char* name;
  const char* caption;
  const char* property;
  int maximum;
  int value;
};

constexpr SpinField spinFields[] = {
    {"seDepartment", "Отдел:", "Department", 16, 1},
    {"seTax1", "Налог 1:", "Tax1", 6, 0},
    {"seTax2", "Налог 2:", "Tax2", 6, 0},
    {"seTagNumber", "Номер тега:", "TagNumber", 9999, 1008},
};

struct ComboField {
  const char* name;
  const char* caption;
  const char* property;
};

constexpr ComboField comboFields[] = {
    {"cbCheckType", "Тип чека:", "CheckType"},
    {"cbTaxType", "Система налогообложения:", "TaxType"},
    {"cbPaymentType", "Признак способа расчета:", "PaymentTypeSign"},
};

constexpr std::array<const char*, 3> checkFields = {"Печатать чек", "Использовать штрихкод",
                                                    "Отрезать чек"};

class SyntheticPage : public TPage {
 public:
  SyntheticPage() {
    auto* fields = new QGroupBox(QStringLiteral("Параметры"), this);
    fields->setObjectName(QStringLiteral("gbParams"));
    auto* grid = new QGridLayout(fields);
    int row = 0;
    for (const EditField& f : editFields) {
      auto* edit = new QLineEdit(QString::fromUtf8(f.value), fields);
      edit->setCursorPosition(0);
      addRow(*grid, row++, f.name, f.caption, f.property, edit);
    }
    row = 0;
    for (const SpinField& f : spinFields) {
      auto* spin = new QSpinBox(fields);
      spin->setRange(0, f.maximum);
      spin->setValue(f.value);
      addRow(*grid, row++, f.name, f.caption, f.property, spin, 2);
    }
    for (const ComboField& f : comboFields) {
      auto* combo = new QComboBox(fields);
      FCombos.push_back(combo);
      addRow(*grid, row++, f.name, f.caption, f.property, combo, 2);
    }
    for (std::size_t i = 0; i < checkFields.size(); ++i) {
      auto* check = new QCheckBox(QString::fromUtf8(checkFields[i]), fields);
      check->setObjectName(QStringLiteral("chbOption%1").arg(i + 1));
      grid->addWidget(check, row++, 2, 1, 2);
    }
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    grid->setRowStretch(8, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    addButton(*buttons, "btnSale", "Продажа", "Sale", [] { Driver().Sale(); });
    addButton(*buttons, "btnCloseCheck", "Закрыть чек", "CloseCheck",
              [] { Driver().CloseCheck(); });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(fields, 1);
    layout->addLayout(buttons);
  }

  void Initialize() override {
    for (QComboBox* combo : FCombos)
      combo->addItems({QStringLiteral("0, Приход"), QStringLiteral("1, Возврат прихода"),
                       QStringLiteral("2, Расход"), QStringLiteral("3, Возврат расхода")});
  }

 private:
  void addButton(QHBoxLayout& buttons, const char* name, const char* caption, const char* method,
                 std::function<void()> action) {
    auto* button = new QPushButton(QString::fromUtf8(caption), this);
    button->setObjectName(QString::fromLatin1(name));
    button->setToolTip(QString::fromLatin1(method));
    connect(button, &QPushButton::clicked, this, [this, action] { run(action); });
    buttons.addWidget(button);
  }

  static void addRow(QGridLayout& grid, int row, const char* name, const char* caption,
                     const char* property, QWidget* field, int column = 0) {
    field->setObjectName(QString::fromLatin1(name));
    field->setToolTip(QString::fromLatin1(property));
    auto* label = new QLabel(QString::fromUtf8(caption), field->parentWidget());
    label->setBuddy(field);
    grid.addWidget(label, row, column);
    grid.addWidget(field, row, column + 1);
  }

  std::vector<QComboBox*> FCombos;
};

}  // namespace

PageRegistry syntheticRegistry(int pageLimit) {
  PageRegistry registry;
  int made = 0;
  for (const PageGroup& group : probexPages()) {
    static constexpr int pagesPerGroup[] = {2, 6, 7, 3, 1, 7, 7, 10, 11, 2, 12, 1};
    PageGroup synthetic{group.number, group.caption, {}};
    for (int i = 0; i < pagesPerGroup[group.number - 1] && made < pageLimit; ++i, ++made)
      synthetic.pages.push_back({QStringLiteral("TfmSynthetic%1").arg(made + 1),
                                 QStringLiteral("Страница %1").arg(made + 1),
                                 createPage<SyntheticPage>});
    registry.push_back(std::move(synthetic));
  }
  return registry;
}
