#include "AllPageClasses.h"
#include "PageGraph.h"
#include "TParamPages.h"
#include "WizardPages.h"
#include "WizardTestSupport.h"

#include <QListWidget>

#include <gtest/gtest.h>

using namespace Enrolla;

namespace {

using P = PageClass;

TEST(WizardPagesTest, TheWizardCreatesEveryPageClassInItsOrderUnderItsCaption) {
  const QStringList captions{
      "Подключите устройство",
      "Поиск устройств",
      "Выберите тип работы",
      "Выберите тип работы",
      "Введите заводской номер",
      "Настройки ОФД",
      "Настройки места установки ККТ",
      "Тип налогообложения и режим работы ККТ",
      "Введите ИНН и РНМ ККТ",
      "Регистрация ККТ",
      "Печать чека о фискализации",
      "Выберите тип подключения к ОФД",
      "Параметры Ethernet",
      "Настройки подключения RNDIS",
      "Настройки подключения WiFi",
      "Проверка связи по RNDIS",
      "Проверка отправки данных в ОФД",
      "Завершение",
      "Выберите тип подключения к ККТ",
      "Параметры подключения по TCP",
      "Проверка связи по Ethernet",
      "Закрытие архива ФН",
      "Версия ФФД",
      "Закрытие архива ФН",
      "Сохранить параметры ФР (X5)",
      "Открыть файл с парметрами (X5)",
      "Проверка состояния",
      "Параметры регистрации (X5)",
      "Отчет о текущем состоянии расчетов",
      "Проверка состояния",
      "Проверка состояния",
  };
  WizardWindow wizard;
  TParamPage* first = Controller().CurrentPage;
  ASSERT_NE(first, nullptr);
  const TParamPages& pages = *first->Owner();
  ASSERT_EQ(pages.Count(), int(allPageClasses.size()));
  ASSERT_EQ(pages.Count(), captions.size());
  for (int index = 0; index < pages.Count(); ++index) {
    const TParamPage& page = *pages.Items(index);
    const QString name = pageClassName(allPageClasses[std::size_t(index)]);
    SCOPED_TRACE(name.toStdString());
    EXPECT_EQ(page.GetPageClass(), allPageClasses[std::size_t(index)]);
    EXPECT_EQ(QString::fromLatin1(page.metaObject()->className()), "Enrolla::" + name);
    EXPECT_EQ(page.windowTitle(), captions[index]);
  }
  EXPECT_EQ(pages.Items(0)->GetPageClass(), P::TfmConnectDevice);
}

struct PassCase {
  const char* name;
  WizardWindow::Mode mode;
  int workTypeRow;
};

// Presses "Далее >" from the work-type page on and notes each page reached, until the
// pass comes back to the start or the hub, or stays.
std::vector<PageClass> passFrom(WizardWindow& wizard) {
  std::vector<PageClass> pages{wizard.currentPage()->GetPageClass()};
  for (int step = 0; step < 20; ++step) {
    const TParamPage* before = wizard.currentPage();
    wizard.clickNext();
    pages.push_back(wizard.currentPage()->GetPageClass());
    if (wizard.currentPage() == before || pages.back() == P::TfmSelectWorkType ||
        pages.back() == P::TfmConnectDevice)
      break;
  }
  return pages;
}

TEST(WizardPagesTest, ThePagesWithoutTheirFieldsYetOnlyMoveOnAlongTheGraph) {
  const PassCase cases[] = {
      {"registration", WizardWindow::Mode::Standard, 0},
      {"registration, X5", WizardWindow::Mode::X5, 0},
      {"re-registration with a new FN, X5", WizardWindow::Mode::X5, 2},
      {"settlement report", WizardWindow::Mode::Standard, 3},
      {"closing the FN archive", WizardWindow::Mode::Standard, 4},
      {"OFD setup", WizardWindow::Mode::Standard, 5},
  };
  for (const PassCase& c : cases) {
    SCOPED_TRACE(c.name);
    WizardWindow wizard(c.mode);
    wizard.recorder.on("ReadModelParamValue").sets("ModelParamValue", 1);
    while (wizard.currentPage()->GetPageClass() != P::TfmSelectWorkType) wizard.clickNext();
    wizard.currentPage()
        ->findChild<QListWidget*>(QStringLiteral("listBox"))
        ->setCurrentRow(c.workTypeRow);
    const std::vector<PageClass> pages = passFrom(wizard);

    FlowState state = Controller().flowState();
    state.ChosenWorkType = workTypeAt(c.workTypeRow);
    std::vector<PageClass> expected{P::TfmSelectWorkType};
    while (expected.size() < pages.size())
      expected.push_back(nextPageAfter(expected.back(), state).value_or(expected.back()));
    EXPECT_EQ(pages, expected);
    EXPECT_TRUE(wizard.errors.messages.isEmpty());
    // Nothing but the work-type page's own read reached the register.
    for (const QString& call : wizard.recorder.calls())
      EXPECT_TRUE(call == "Disconnect()" || call == "ReadModelParamValue()") << call.toStdString();
  }
}

}  // namespace
