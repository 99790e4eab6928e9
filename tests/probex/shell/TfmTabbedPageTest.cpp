#include "FeroxError.h"
#include "ShellTestSupport.h"
#include "TfmTabbedPage.h"

#include <QTabBar>
#include <QTabWidget>

#include <gtest/gtest.h>

namespace {

// Writes every call of its hooks into a log shared by the pages of a test.
class HookPage : public TPage {
 public:
  HookPage(const QString& caption, QStringList& log) : log_(log) { setWindowTitle(caption); }
  void UpdatePage() override {
    log_ << "UpdatePage " + windowTitle();
    if (failOnShow) throw FeroxError(QStringLiteral("Нет связи"));
  }
  void UpdateObject() override { log_ << "UpdateObject " + windowTitle(); }

  bool failOnShow = false;

 private:
  QStringList& log_;
};

class TfmTabbedPageTest : public ::testing::Test {
 protected:
  TfmTabbedPageTest() {
    group.addPage(status);
    group.addPage(receipt);
    group.tabs()->addTab(new QWidget, QStringLiteral("Пусто"));
  }

  void clickTab(int index) {
    QTabBar* bar = group.tabs()->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
  }

  QStringList log;
  TfmTabbedPage group;
  HookPage* status = new HookPage(QStringLiteral("Запросы"), log);
  HookPage* receipt = new HookPage(QStringLiteral("Регистрация"), log);
};

TEST_F(TfmTabbedPageTest, EachPageFillsItsOwnNamedSheetUnderItsCaption) {
  QTabWidget* tabs = group.tabs();
  ASSERT_EQ(tabs->count(), 3);
  EXPECT_EQ(tabs->tabText(0), "Запросы");
  EXPECT_EQ(tabs->tabText(1), "Регистрация");
  EXPECT_EQ(tabs->widget(0)->objectName(), "tsPage1");
  EXPECT_EQ(tabs->widget(1)->objectName(), "tsPage2");
  EXPECT_EQ(receipt->parentWidget(), tabs->widget(1));
  ASSERT_TRUE(showActive(group));
  EXPECT_EQ(receipt->size(), tabs->widget(1)->size());
  EXPECT_TRUE(status->isVisible());
  EXPECT_TRUE(log.isEmpty()) << "adding and showing call no page hooks";
}

TEST_F(TfmTabbedPageTest, SwitchingTabsLeavesTheOldPageBeforeShowingTheNewOne) {
  ASSERT_TRUE(showActive(group));
  struct Step {
    int tab;
    QStringList calls;
  };
  const Step steps[] = {
      {1, {"UpdateObject Запросы", "UpdatePage Регистрация"}},
      {2, {"UpdateObject Регистрация"}},
      {0, {"UpdatePage Запросы"}},
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(step.tab);
    log.clear();
    clickTab(step.tab);
    EXPECT_EQ(group.tabs()->currentIndex(), step.tab);
    EXPECT_EQ(log, step.calls);
  }
}

TEST_F(TfmTabbedPageTest, ShowingAndLeavingTheGroupReachOnlyTheActivePage) {
  group.UpdatePage();
  group.UpdateObject();
  EXPECT_EQ(log, QStringList({"UpdatePage Запросы", "UpdateObject Запросы"}));
  group.tabs()->setCurrentIndex(2);
  log.clear();
  group.UpdatePage();
  group.UpdateObject();
  EXPECT_TRUE(log.isEmpty());
}

TEST_F(TfmTabbedPageTest, AFailingRefreshOnATabSwitchIsShownAndTheSwitchStands) {
  ErrorCapture errors;
  receipt->failOnShow = true;
  ASSERT_TRUE(showActive(group));
  clickTab(1);
  EXPECT_EQ(group.tabs()->currentIndex(), 1);
  EXPECT_EQ(errors.messages, QStringList({"Нет связи"}));
  receipt->failOnShow = false;
  log.clear();
  clickTab(0);
  EXPECT_EQ(log, QStringList({"UpdateObject Регистрация", "UpdatePage Запросы"}));
}

}  // namespace
