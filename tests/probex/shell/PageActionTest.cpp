#include "DriverErrors.h"
#include "PageAction.h"
#include "RecordingDriverScope.h"
#include "ShellTestSupport.h"
#include "TDriver.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

class PageActionTest : public ::testing::Test {
 protected:
  PageActionTest() {
    page.print = [] {
      Driver().setStringForPrinting(QStringLiteral("Проверка"));
      TPage::Check(Driver().Connect());
      TPage::Check(Driver().PrintStringWithWrap());
      Driver().PrintStringWithFont();
    };
  }

  void clickPrint() { QTest::mouseClick(page.findChild<QPushButton*>("btnPrint"), Qt::LeftButton); }

  RecordingDriverScope scope;
  RecordingDriver& recorder = scope.recorder();
  DisplayedActions displayed;
  ErrorCapture errors;
  TestPage page;
};

struct ScriptCase {
  const char* name;
  std::vector<std::int32_t> connect, print;
  QStringList calls;
  QString result;
};

TEST_F(PageActionTest, ShowsTheLastCallsResultAndGivesTheFocusBackWhereverTheActionStops) {
  ASSERT_TRUE(showActive(page));
  const ScriptCase cases[] = {
      {"every call succeeds",
       {0},
       {0},
       {"Connect()", "PrintStringWithWrap()", "PrintStringWithFont()"},
       "(0) Ошибок нет"},
      {"the second call fails", {0}, {3}, {"Connect()", "PrintStringWithWrap()"}, "(3) Ошибка 3"},
      {"the first call fails", {5}, {0}, {"Connect()"}, "(5) Ошибка 5"},
  };
  bool focusedWhileRunning = false;
  recorder.on("Connect").does([&](RecordingDriver&) {
    displayed.tick += 42;
    focusedWhileRunning = page.btnPrint->hasFocus();
  });
  for (const ScriptCase& c : cases) {
    SCOPED_TRACE(c.name);
    recorder.clearJournal();
    recorder.on("Connect").returns(c.connect);
    recorder.on("PrintStringWithWrap").returns(c.print);

    clickPrint();

    EXPECT_EQ(recorder.calls(), c.calls);
    EXPECT_EQ(displayed.display.texts().result, c.result);
    EXPECT_EQ(displayed.display.texts().time, "42 мс");
    EXPECT_TRUE(page.btnPrint->isEnabled());
    EXPECT_TRUE(page.btnOther->isEnabled());
    EXPECT_FALSE(focusedWhileRunning) << "the disabled button must lose the focus meanwhile";
    EXPECT_TRUE(page.btnPrint->hasFocus());
    EXPECT_TRUE(errors.messages.isEmpty());
  }
}

TEST_F(PageActionTest, SendsTheFieldsAndReadsTheDriversAnswer) {
  page.findChild<QLineEdit*>("edtText")->setText(QStringLiteral("Строка"));
  page.print = [&] {
    Driver().setStringForPrinting(page.edtText->text());
    Driver().PrintStringWithWrap();
  };
  recorder.preset("ECRInput", QStringLiteral("02 05 10"))
      .preset("ECROutput", QStringLiteral("06"))
      .preset("OperatorNumber", 30);
  clickPrint();
  EXPECT_EQ(recorder.writesAndCalls(),
            QStringList({"StringForPrinting=Строка", "PrintStringWithWrap()"}));
  EXPECT_EQ(displayed.display.texts(),
            (ResultTexts{"(0) Ошибок нет", "02 05 10", "06", "0 мс", "30"}));
}

struct FailureCase {
  const char* name;
  std::function<void(RecordingDriver&)> fail;
  QStringList messages;
};

TEST_F(PageActionTest, FailuresReachTheErrorHandlerAfterTheButtonsAreBack) {
  ASSERT_TRUE(showActive(page));
  bool enabledAtMessage = false;
  bool focusedAtMessage = false;
  ErrorCapture observed([&] {
    enabledAtMessage = page.btnPrint->isEnabled() && page.btnOther->isEnabled();
    focusedAtMessage = page.btnPrint->hasFocus();
  });
  const FailureCase cases[] = {
      {"validation",
       [](RecordingDriver&) { throw FeroxError("Некорректное значение в поле \"Summ1\""); },
       {"Некорректное значение в поле \"Summ1\""}},
      {"conversion", [](RecordingDriver&) { throw std::invalid_argument("stoi"); }, {"stoi"}},
      {"call mechanism",
       [](RecordingDriver& r) {
         r.on("Connect").throws(QStringLiteral("Нет связи с драйвером"));
         Driver().Connect();
       },
       {"Нет связи с драйвером"}},
      {"silent abort", [](RecordingDriver&) { TPage::Check(1); }, {}},
  };
  for (const FailureCase& c : cases) {
    SCOPED_TRACE(c.name);
    observed.messages.clear();
    enabledAtMessage = focusedAtMessage = false;
    page.print = [&] { c.fail(recorder); };
    clickPrint();
    EXPECT_EQ(observed.messages, c.messages);
    if (!c.messages.isEmpty()) {
      EXPECT_TRUE(enabledAtMessage);
      EXPECT_TRUE(focusedAtMessage);
      EXPECT_EQ(observed.windows.last(), page.window());
    }
    EXPECT_TRUE(page.btnPrint->isEnabled());
  }
}

TEST_F(PageActionTest, ANotifierFailureStillLeavesTheButtonsEnabledAndIsShown) {
  PageNotifier().OnChange = [](TPageNotifier&, bool Value) {
    if (!Value) throw FeroxError(QStringLiteral("Ошибка подписчика"));
  };
  bool ran = false;
  page.print = [&] { ran = true; };
  clickPrint();
  EXPECT_FALSE(ran);
  EXPECT_TRUE(page.btnPrint->isEnabled());
  EXPECT_EQ(errors.messages, QStringList({"Ошибка подписчика"}));
}

}  // namespace
