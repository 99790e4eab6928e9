#include "DriverErrors.h"
#include "FeroxError.h"
#include "TfmReasonCodes.h"
#include "WizardCaption.h"
#include "WizardDriver.h"
#include "WizardTestSupport.h"

#include <QRegularExpression>
#include <QTest>

#include <gtest/gtest.h>

using namespace Enrolla;

namespace {

using P = PageClass;

// Five pages far apart in the list, so that the way back is not the list order.
class TfmMainTest : public ::testing::Test {
 protected:
  // Makes the page's Next name the page of this class.
  void leadTo(int from, PageClass to) {
    wizard.page(from).onNext = [to] { Controller().NextPageClass = to; };
  }

  WizardWindow wizard{{P::TfmConnectDevice, P::TfmSearchDevice, P::TfmSelectWorkType, P::TfmFFD,
                       P::TfmFinalMessage}};
};

TEST_F(TfmMainTest, StartsOnTheFirstPageWithNoWayBack) {
  EXPECT_EQ(wizard.currentIndex(), 0);
  EXPECT_EQ(wizard.page(0).shownCount, 1);
  EXPECT_EQ(wizard.topCaption(), QStringLiteral("Страница TfmConnectDevice"));
  EXPECT_TRUE(wizard.page(0).isVisible());
  EXPECT_FALSE(wizard.page(3).isVisible());
  EXPECT_FALSE(wizard.button("btnPrev").isEnabled());
  for (const char* name : {"btnNext", "btnHome", "btnMenu"})
    EXPECT_TRUE(wizard.button(name).isEnabled()) << name;
  EXPECT_EQ(Controller().NextPageClass, P::TfmSelectWorkType);
}

TEST_F(TfmMainTest, NextShowsThePageOfTheClassThePageNamed) {
  leadTo(0, P::TfmFFD);
  wizard.clickNext();
  EXPECT_EQ(wizard.currentIndex(), 3);
  EXPECT_EQ(wizard.page(3).shownCount, 1);
  EXPECT_EQ(wizard.page(3).PrevPage, &wizard.page(0));
  EXPECT_EQ(wizard.topCaption(), QStringLiteral("Страница TfmFFD"));
  EXPECT_TRUE(wizard.page(3).isVisible());
  EXPECT_FALSE(wizard.page(0).isVisible());
  EXPECT_TRUE(wizard.button("btnPrev").isEnabled());
}

TEST_F(TfmMainTest, BackRetracesThePagesInTheOrderTheyWereReached) {
  leadTo(0, P::TfmFFD);
  leadTo(3, P::TfmSearchDevice);
  leadTo(1, P::TfmFinalMessage);
  for (int step = 0; step < 3; ++step) wizard.clickNext();
  ASSERT_EQ(wizard.currentIndex(), 4);

  std::vector<int> retraced;
  for (int step = 0; step < 3; ++step) {
    wizard.clickPrev();
    retraced.push_back(wizard.currentIndex());
  }
  EXPECT_EQ(retraced, std::vector<int>({1, 3, 0}));
  EXPECT_EQ(wizard.page(4).prevCount, 1);
  EXPECT_FALSE(wizard.button("btnPrev").isEnabled());
  // Back to a page shown before runs its show handler again.
  EXPECT_EQ(wizard.page(3).shownCount, 2);
}

TEST_F(TfmMainTest, HomeShowsTheFirstPageFromAnyPage) {
  leadTo(0, P::TfmFFD);
  wizard.clickNext();
  Controller().NextPageClass = P::TfmFinalMessage;
  wizard.clickHome();
  EXPECT_EQ(wizard.currentIndex(), 0);
  EXPECT_EQ(wizard.page(3).homeCount, 1);
  EXPECT_EQ(wizard.page(0).shownCount, 2);
  EXPECT_FALSE(wizard.button("btnPrev").isEnabled());
  EXPECT_EQ(Controller().NextPageClass, P::TfmSelectWorkType);

  // The next "Далее >" follows the first page's own Next.
  leadTo(0, P::TfmSearchDevice);
  wizard.clickNext();
  EXPECT_EQ(wizard.currentIndex(), 1);
}

TEST_F(TfmMainTest, AnErrorInNextIsShownAndKeepsTheWizardOnThePage) {
  leadTo(0, P::TfmFFD);
  wizard.clickNext();
  wizard.page(3).onNext = [] {
    Controller().NextPageClass = P::TfmFinalMessage;
    throw FeroxError(QStringLiteral("Введите РНМ!"));
  };
  wizard.clickNext();
  EXPECT_EQ(wizard.errors.messages, QStringList{"Введите РНМ!"});
  EXPECT_EQ(wizard.currentIndex(), 3);
  EXPECT_TRUE(wizard.page(3).isVisible());
  EXPECT_EQ(wizard.page(4).shownCount, 0);
  EXPECT_EQ(wizard.topCaption(), QStringLiteral("Страница TfmFFD"));
}

TEST_F(TfmMainTest, ARefusedQuestionStaysWithoutAMessage) {
  wizard.page(0).onNext = [] { throw SilentAbort(); };
  wizard.clickNext();
  EXPECT_TRUE(wizard.errors.messages.isEmpty());
  EXPECT_EQ(wizard.currentIndex(), 0);
}

TEST_F(TfmMainTest, APageClassNotInTheListLeadsToTheFirstPage) {
  leadTo(0, P::TfmFFD);
  wizard.clickNext();
  leadTo(3, P::TfmCloseFN);
  wizard.clickNext();
  EXPECT_EQ(wizard.currentIndex(), 0);
  EXPECT_EQ(wizard.page(0).shownCount, 2);
  EXPECT_FALSE(wizard.button("btnPrev").isEnabled());
}

TEST_F(TfmMainTest, APageThatNamesItselfStaysWithoutBeingShownAgainAndKeepsItsWayBack) {
  leadTo(0, P::TfmFFD);
  wizard.clickNext();
  leadTo(3, P::TfmFFD);
  wizard.clickNext();
  EXPECT_EQ(wizard.currentIndex(), 3);
  EXPECT_EQ(wizard.page(3).shownCount, 1);
  EXPECT_EQ(wizard.page(3).PrevPage, &wizard.page(0));
  wizard.clickPrev();
  EXPECT_EQ(wizard.currentIndex(), 0);
}

TEST_F(TfmMainTest, AShowHandlerMayLockTheWayBack) {
  leadTo(0, P::TfmFFD);
  wizard.page(3).onShow = [] {
    Controller().EnablePrev(false);
    Controller().EnableHome(false);
    Controller().EnableNext(false);
  };
  wizard.clickNext();
  for (const char* name : {"btnPrev", "btnHome", "btnNext"})
    EXPECT_FALSE(wizard.button(name).isEnabled()) << name;
  Controller().Next();
  Controller().Prev();
  EXPECT_EQ(wizard.currentIndex(), 3);
  Controller().EnableNext(true);
  Controller().EnablePrev(true);
  Controller().Prev();
  EXPECT_EQ(wizard.currentIndex(), 0);
}

TEST_F(TfmMainTest, EnterPressesNext) {
  leadTo(0, P::TfmFinalMessage);
  QTest::keyClick(&wizard.window(), Qt::Key_Return);
  EXPECT_EQ(wizard.currentIndex(), 4);
  Controller().EnableNext(false);
  QTest::keyClick(&wizard.window(), Qt::Key_Enter);
  EXPECT_EQ(wizard.currentIndex(), 4);
}

TEST(TfmMainListTest, PageLookUpsFindTheFirstPageOfAClass) {
  WizardWindow twice({P::TfmConnectDevice, P::TfmFFD, P::TfmFFD});
  EXPECT_EQ(Controller().FindPageByClass(P::TfmFFD), &twice.page(1));
  EXPECT_EQ(Controller().FindPageByClass(P::TfmCloseFN), nullptr);
  twice.page(0).onNext = [] { Controller().NextPageClass = P::TfmFFD; };
  twice.clickNext();
  EXPECT_EQ(twice.currentIndex(), 1);
}

TEST_F(TfmMainTest, TheStepButtonsStayCentredAndTheImageButtonsAtTheEdges) {
  for (const int width : {730, 901, 1200}) {
    SCOPED_TRACE(width);
    wizard.window().resize(width, 500);
    QCoreApplication::processEvents();
    const auto* buttons = wizard.window().findChild<QWidget*>(QStringLiteral("pnlButtons"));
    EXPECT_EQ(buttons->x(), (wizard.window().width() - buttons->width()) / 2);
    EXPECT_LT(wizard.button("btnHome").geometry().right(), buttons->x());
    EXPECT_GT(wizard.button("btnMenu").x(), buttons->geometry().right());
    EXPECT_LE(wizard.button("btnMenu").geometry().right(), wizard.window().width());
  }
}

TEST_F(TfmMainTest, TheSettingsButtonDisconnectsBeforeTheDriversOwnDialog) {
  wizard.recorder.clearJournal();
  wizard.click("btnMenu");
  EXPECT_EQ(wizard.recorder.calls(),
            QStringList({"Disconnect()", "ShowProperties()", "Disconnect()"}));
}

TEST(TfmMainListTest, EveryStepDisconnectsTheDriverAlsoAfterAFailure) {
  const struct {
    const char* name;
    std::function<void(WizardWindow&)> step;
  } cases[] = {
      {"next", [](WizardWindow& w) { w.clickNext(); }},
      {"failing next",
       [](WizardWindow& w) {
         w.page(0).onNext = [] {
           Driver().Beep();
           throw FeroxError(QStringLiteral("Ошибка"));
         };
         w.clickNext();
       }},
      {"failing show handler",
       [](WizardWindow& w) {
         w.page(1).onShow = [] { CheckResult(Driver().GetECRStatus()); };
         w.recorder.on("GetECRStatus").returns({-1});
         w.clickNext();
       }},
      {"back",
       [](WizardWindow& w) {
         w.clickNext();
         w.recorder.clearJournal();
         w.clickPrev();
       }},
      {"failing back",
       [](WizardWindow& w) {
         w.clickNext();
         w.page(1).onPrev = [] { throw FeroxError(QStringLiteral("Ошибка")); };
         w.recorder.clearJournal();
         w.clickPrev();
       }},
      {"home",
       [](WizardWindow& w) {
         w.clickNext();
         w.recorder.clearJournal();
         w.clickHome();
       }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    WizardWindow w{{P::TfmConnectDevice, P::TfmSelectPortType, P::TfmSearchDevice}};
    w.recorder.clearJournal();
    c.step(w);
    ASSERT_FALSE(w.recorder.calls().isEmpty());
    EXPECT_EQ(w.recorder.calls().last(), QStringLiteral("Disconnect()"));
  }
}

TEST_F(TfmMainTest, StepsThatNeverUsedTheDriverCreateNone) {
  FreeDriver();
  const int created = wizard.driver.controlsCreated();
  wizard.clickNext();
  wizard.clickPrev();
  wizard.clickHome();
  EXPECT_FALSE(DriverExists());
  EXPECT_EQ(wizard.driver.controlsCreated(), created);
}

TEST(TfmMainListTest, ClosingStopsThePagesWorkBeforeTheDriverIsFreed) {
  for (const bool closedFirst : {true, false}) {
    SCOPED_TRACE(closedFirst);
    WizardWindow w{{P::TfmConnectDevice, P::TfmCheckEthernet}};
    QStringList order;
    w.page(1).onClose = [&order] {
      order << "task stopped";
      // The work being stopped may still use the driver.
      Driver().Disconnect();
    };
    w.driver.onControlDestroyed([&order] { order << "driver freed"; });
    if (closedFirst) w.window().close();
    w.destroyWindow();
    EXPECT_EQ(order, QStringList({"task stopped", "driver freed"}));
  }
}

TEST_F(TfmMainTest, TheReasonDialogExistsFromTheStart) {
  auto* dialog = wizard.window().findChild<TfmReasonCodes*>();
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(Controller().ReasonCodes(), dialog);
  EXPECT_FALSE(dialog->isVisible());
}

TEST_F(TfmMainTest, TheCaptionNamesTheVersionAndTheBuild) {
  const QString build = QStringLiteral(" (%1-bit)").arg(sizeof(void*) * 8);
  EXPECT_EQ(wizard.window().windowTitle(), "Enrolla " + wizardVersionText() + build);
  EXPECT_TRUE(wizardVersionText().contains(QRegularExpression("^\\d+\\.\\d+\\.\\d+\\.\\d+$")));
  EXPECT_FALSE(Controller().X5Mode);
}

TEST(TfmMainListTest, AnX5FileBesideTheProgramSwitchesX5ModeOn) {
  WizardWindow x5({P::TfmConnectDevice}, WizardWindow::Mode::X5);
  EXPECT_TRUE(Controller().X5Mode);
  EXPECT_TRUE(x5.window().windowTitle().endsWith("-bit) [X5]"));
}

}  // namespace
