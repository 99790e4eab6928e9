#include "WizardTestSupport.h"

#include <QListWidget>

#include <gtest/gtest.h>

using namespace Enrolla;

namespace {

using P = PageClass;

class TfmSelectClientTypeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    wizard.recorder.on("ReadModelParamValue").sets("ModelParamValue", 0);
    while (wizard.currentPage()->GetPageClass() != P::TfmSelectWorkType) wizard.clickNext();
    list().setCurrentRow(1);  // re-registration, whose data pages begin with the client type
    wizard.clickNext();
    wizard.clickNext();
  }

  QListWidget& list() {
    return *wizard.currentPage()->findChild<QListWidget*>(QStringLiteral("listBox"));
  }

  WizardWindow wizard;
};

TEST_F(TfmSelectClientTypeTest, OffersTheTwoKindsOfOwnerWithTheLegalEntityFirst) {
  ASSERT_EQ(wizard.currentPage()->GetPageClass(), P::TfmSelectClientType);
  EXPECT_EQ(wizard.topCaption(), QStringLiteral("Выберите тип работы"));
  ASSERT_EQ(list().count(), 2);
  EXPECT_EQ(list().item(0)->text(), QStringLiteral("Юридическое лицо"));
  EXPECT_EQ(list().item(1)->text(), QStringLiteral("Индивидуальный предприниматель"));
  EXPECT_TRUE(list().item(0)->isSelected());
  EXPECT_TRUE(list().hasFocus());
}

TEST_F(TfmSelectClientTypeTest, TheChoiceSetsTheOwnersKindAndLeadsToTheFormatVersion) {
  TParamPage* clientType = wizard.currentPage();
  for (const int row : {1, 0}) {
    SCOPED_TRACE(row);
    Controller().Yur = row == 1;
    list().setCurrentRow(row);
    wizard.clickNext();
    EXPECT_EQ(Controller().Yur, row == 0);
    EXPECT_EQ(wizard.currentPage()->GetPageClass(), P::TfmFFD);
    wizard.clickPrev();
    ASSERT_EQ(wizard.currentPage(), clientType);
  }
}

TEST_F(TfmSelectClientTypeTest, NextWithNoOwnerKindChosenStaysWithAMessage) {
  list().clearSelection();
  wizard.clickNext();
  EXPECT_EQ(wizard.errors.messages, QStringList{"Выберите тип клиента!"});
  EXPECT_EQ(wizard.currentPage()->GetPageClass(), P::TfmSelectClientType);
}

}  // namespace
