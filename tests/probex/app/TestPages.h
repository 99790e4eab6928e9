#pragma once

#include "PageRegistry.h"
#include "TPage.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>

#include <functional>

// A page with a text field, a combo box designed to show its last entry, a button
// running `action`, and a log of its hooks ("UpdatePage fmStatus").
class HookedPage : public TPage {
 public:
  explicit HookedPage(QStringList& log) : FLog(log) {
    edtText = new QLineEdit(this);
    edtText->setObjectName(QStringLiteral("edtText"));
    cbMode = new QComboBox(this);
    cbMode->setObjectName(QStringLiteral("cbMode"));
    cbMode->addItems(
        {QStringLiteral("Первый"), QStringLiteral("Второй"), QStringLiteral("Третий")});
    cbMode->setCurrentIndex(2);
    btnRun = new QPushButton(QStringLiteral("Выполнить"), this);
    btnRun->setObjectName(QStringLiteral("btnRun"));
    connect(btnRun, &QPushButton::clicked, this, [this] { run(action); });
    auto* layout = new QFormLayout(this);
    layout->addRow(QStringLiteral("Текст:"), edtText);
    layout->addRow(QStringLiteral("Режим:"), cbMode);
    layout->addRow(btnRun);
  }

  void Initialize() override { FLog << QStringLiteral("Initialize ") + objectName(); }
  void UpdatePage() override { FLog << QStringLiteral("UpdatePage ") + objectName(); }
  void UpdateObject() override { FLog << QStringLiteral("UpdateObject ") + objectName(); }

  std::function<void()> action = [] {};
  QLineEdit* edtText;
  QComboBox* cbMode;
  QPushButton* btnRun;

 private:
  QStringList& FLog;
};

// Groups 01 and 03 with pages, group 02 without: fmStatus and fmFullStatus on 01, fmReceipt
// on 03.
inline PageRegistry hookedRegistry(QStringList& log) {
  const auto page = [&log] { return [&log]() -> TPage* { return new HookedPage(log); }; };
  return {
      {1,
       "Состояние",
       {{"TfmStatus", "Запросы", page()}, {"TfmFullStatus", "Полное состояние", page()}}},
      {2, "ФН сервис", {}},
      {3, "Чеки (ФФД 1.0)", {{"TfmReceipt", "Регистрация (устаревш.)", page()}}},
  };
}
