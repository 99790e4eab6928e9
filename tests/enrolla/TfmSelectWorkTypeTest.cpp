#include "TfmSelectWorkType.h"
#include "WizardTestSupport.h"

#include <QLabel>
#include <QListWidget>
#include <QTest>

#include <gtest/gtest.h>

using namespace Enrolla;

namespace {

using P = PageClass;

// The wizard's own pages, led from the connect page through the serial search to the
// work-type page, as a register found on a serial port.
class TfmSelectWorkTypeTest : public ::testing::Test {
 protected:
  void SetUp() override { answerModelParam(wizard.recorder, 1); }

  void reachWorkTypes() {
    Controller().KKTName = QStringLiteral("ККТ-Ф");
    Controller().KKTSN = QStringLiteral("0001");
    while (wizard.currentPage()->GetPageClass() != P::TfmSelectWorkType) wizard.clickNext();
  }

  QListWidget& list() {
    return *wizard.currentPage()->findChild<QListWidget*>(QStringLiteral("listBox"));
  }

  QStringList items() {
    QStringList texts;
    for (int row = 0; row < list().count(); ++row) texts << list().item(row)->text();
    return texts;
  }

  void choose(int row) { list().setCurrentRow(row); }

  PageClass shownClass() { return wizard.currentPage()->GetPageClass(); }

  WizardWindow wizard;
};

const QStringList fiveWorkTypes{"Регистрация новой ККТ", "Перерегистрация ККТ без замены ФН",
                                "Перерегистрация ККТ с заменой ФН",
                                "Отчет о текущем состоянии расчетов", "Закрытие архива ФН"};

TEST_F(TfmSelectWorkTypeTest, OffersTheOFDSetupOnlyToModelsWithTheOFDTable) {
  const struct {
    DriverValue ofdTable;
    QStringList items;
  } cases[] = {
      {0, fiveWorkTypes},
      {7, fiveWorkTypes + QStringList{"Настройка связи с ОФД"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.items.size());
    answerModelParam(wizard.recorder, c.ofdTable);
    wizard.clickHome();
    reachWorkTypes();
    EXPECT_EQ(items(), c.items);
    EXPECT_EQ(Controller().RegParams.OFDEnabled, c.items.size() == 6);
    EXPECT_EQ(list().currentRow(), 0);
    EXPECT_TRUE(list().item(0)->isSelected());
    EXPECT_TRUE(list().hasFocus());
  }
}

TEST_F(TfmSelectWorkTypeTest, ShowingReadsTheOFDTableAndDisconnects) {
  while (wizard.currentPage()->GetPageClass() != P::TfmSearchDevice) wizard.clickNext();
  wizard.recorder.clearJournal();
  wizard.clickNext();
  EXPECT_EQ(wizard.recorder.writesAndCalls(),
            QStringList(
                {"Disconnect()", "ModelParamNumber=73", "ReadModelParamValue()", "Disconnect()"}));
}

TEST_F(TfmSelectWorkTypeTest, ShowingStartsANewFlowWithTheRegisterFound) {
  TRegParams& params = Controller().RegParams;
  params.INN = QStringLiteral("1234567894");
  params.OFDServer = QStringLiteral("ofd.example");
  params.TaxSystem = 1;
  params.FFD = 4;
  params.OFDPort = 7777;
  params.FirstTime = true;
  params.NewFN = true;
  params.KKTSerial = QStringLiteral("0001");
  reachWorkTypes();
  EXPECT_TRUE(params.INN.isEmpty());
  EXPECT_TRUE(params.OFDServer.isEmpty());
  EXPECT_EQ(params.TaxSystem, 255);
  EXPECT_EQ(params.FFD, 255);
  EXPECT_EQ(params.OFDPort, 0);
  EXPECT_TRUE(params.FirstTime);
  EXPECT_TRUE(params.NewFN);
  EXPECT_EQ(params.KKTSerial, QStringLiteral("0001"));
  EXPECT_EQ(wizard.currentPage()->findChild<QLabel*>(QStringLiteral("lblDevice"))->text(),
            QStringLiteral("ККТ-Ф, зав. номер 0001"));
}

TEST_F(TfmSelectWorkTypeTest, BackAlwaysLeadsToTheConnectPage) {
  reachWorkTypes();
  wizard.clickPrev();
  EXPECT_EQ(shownClass(), P::TfmConnectDevice);
}

TEST_F(TfmSelectWorkTypeTest, AFailedReadOfTheOFDTableIsShownAndLeavesFiveWorkTypes) {
  Controller().RegParams.OFDEnabled = true;
  wizard.recorder.on("ReadModelParamValue").returns({-1});
  wizard.recorder.describe(-1, QStringLiteral("Нет связи"));
  reachWorkTypes();
  EXPECT_EQ(wizard.errors.messages, QStringList{"Ошибка -1, Нет связи"});
  EXPECT_EQ(items(), fiveWorkTypes);
  EXPECT_TRUE(list().item(0)->isSelected());
  EXPECT_FALSE(Controller().RegParams.OFDEnabled);
  EXPECT_EQ(wizard.recorder.calls().last(), QStringLiteral("Disconnect()"));
}

struct ChoiceCase {
  int row;
  bool x5Mode;
  PageClass next;
  bool firstTime, newFN, ofdSetting;
};

TEST_F(TfmSelectWorkTypeTest, EachWorkTypeSetsItsFlagsAndLeadsToItsFirstPage) {
  const ChoiceCase cases[] = {
      {0, false, P::TFmCheckStatusBeforeRegistration, true, false, false},
      {0, true, P::TFmCheckStatusBeforeRegistration, true, false, false},
      {1, false, P::TFmCheckStatusBeforeReRegistration, false, false, false},
      {1, true, P::TfmKKTParamsX5, false, false, false},
      {2, false, P::TFmCheckStatusBeforeReRegistration, false, true, false},
      {2, true, P::TfmKKTParamsX5, false, true, false},
      {3, false, P::TfmCalculationStateReport, true, true, false},
      {4, false, P::TFmCheckStatusBeforeCloseFN, true, true, false},
      {5, false, P::TfmOFDParams, true, true, true},
  };
  for (const ChoiceCase& c : cases) {
    SCOPED_TRACE(std::to_string(c.row) + (c.x5Mode ? " X5" : ""));
    wizard.clickHome();
    reachWorkTypes();
    // The flags of an earlier flow, each the opposite of what a registration sets, so
    // that every flag the choice sets shows.
    TController& controller = Controller();
    controller.X5Mode = c.x5Mode;
    controller.RegParams.FirstTime = true;
    controller.RegParams.NewFN = true;
    controller.IsOFDSettingMode = true;
    choose(c.row);
    wizard.clickNext();
    EXPECT_EQ(shownClass(), c.next);
    EXPECT_EQ(controller.RegParams.FirstTime, c.firstTime);
    EXPECT_EQ(controller.RegParams.NewFN, c.newFN);
    EXPECT_EQ(controller.IsOFDSettingMode, c.ofdSetting);
    EXPECT_TRUE(wizard.errors.messages.isEmpty());
  }
}

TEST_F(TfmSelectWorkTypeTest, NextWithNoWorkTypeChosenStaysWithAMessage) {
  reachWorkTypes();
  list().clearSelection();
  wizard.clickNext();
  EXPECT_EQ(wizard.errors.messages, QStringList{"Выберите тип работы!"});
  EXPECT_EQ(shownClass(), P::TfmSelectWorkType);
}

TEST_F(TfmSelectWorkTypeTest, ADoubleClickActsAsNext) {
  reachWorkTypes();
  QListWidget& workTypes = list();
  const QRect item = workTypes.visualItemRect(workTypes.item(3));
  // A double click reaches a widget as a click followed by the double-click event.
  QTest::mouseClick(workTypes.viewport(), Qt::LeftButton, {}, item.center());
  QTest::mouseDClick(workTypes.viewport(), Qt::LeftButton, {}, item.center());
  EXPECT_EQ(shownClass(), P::TfmCalculationStateReport);
}

}  // namespace
