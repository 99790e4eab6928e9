#include "AppTestSupport.h"
#include "InterfaceLanguage.h"
#include "ProbexDialogs.h"
#include "QtPrinters.h"
#include "TfmReasonCodes.h"
#include "Translation.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <functional>

namespace {

class TfmReasonCodesTest : public ::testing::Test {
 protected:
  QCheckBox* box(int number) const {
    return dialog.findChild<QCheckBox*>(QStringLiteral("cbReason%1").arg(number));
  }
  QLabel* captionOf(const QCheckBox* reason) const {
    for (QLabel* label : dialog.findChildren<QLabel*>())
      if (label->buddy() == reason) return label;
    return nullptr;
  }
  // Runs the dialog modally and, once it is up, does what the user does.
  int execWhileShown(const std::function<void()>& user) {
    QTimer::singleShot(0, &dialog, user);
    return dialog.exec();
  }

  TfmReasonCodes dialog;
};

TEST_F(TfmReasonCodesTest, EachReasonHasABoxTaggedWithItsBitAndACaptionThatWraps) {
  const QList<QCheckBox*> boxes = dialog.findChildren<QCheckBox*>();
  ASSERT_EQ(boxes.size(), 23);
  EXPECT_EQ(dialog.windowTitle(), "Коды причин изменения сведений о ККТ");
  const QLabel* label = captionOf(box(32));
  ASSERT_TRUE(label);
  EXPECT_EQ(label->text(), "32. Иные причины");
  EXPECT_EQ(box(32)->accessibleName(), "32. Иные причины");
  EXPECT_TRUE(label->wordWrap());
  EXPECT_EQ(box(32)->property("tag").toInt(), 31);
  EXPECT_EQ(box(14)->property("tag").toInt(), 13);
}

TEST_F(TfmReasonCodesTest, SetAndGetKeepOnlyTheBitsThatHaveAReason) {
  struct Case {
    ChangeReasonSet set, got;
  };
  const Case cases[] = {
      {0, 0},
      {1u << 25, 0},
      {1u << 31, 2147483648u},
      {0x803FFFFFu, 0x803FFFFFu},
      {0xFFFFFFFFu, 0x803FFFFFu},
      {(1u << 0) | (1u << 25), 1u},
  };
  for (const Case& c : cases) {
    dialog.SetCode(c.set);
    EXPECT_EQ(dialog.GetCode(), c.got) << c.set;
  }
  dialog.SetCode(1u << 31);
  EXPECT_TRUE(box(32)->isChecked());
  EXPECT_FALSE(box(1)->isChecked());
}

TEST_F(TfmReasonCodesTest, OnlyOkHandsTheChosenSetBack) {
  dialog.SetCode(1u);
  const int closed = execWhileShown([this] {
    box(2)->click();
    dialog.close();  // the window's close button
  });
  EXPECT_NE(closed, QDialog::Accepted);

  dialog.SetCode(1u);
  const int confirmed = execWhileShown([this] {
    box(2)->click();
    QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("btnOK")), Qt::LeftButton);
  });
  EXPECT_EQ(confirmed, QDialog::Accepted);
  EXPECT_EQ(dialog.GetCode(), 3u);
}

TEST_F(TfmReasonCodesTest, ClickingACaptionTogglesItsBox) {
  QLabel* label = captionOf(box(5));
  ASSERT_TRUE(label);
  QTest::mouseClick(label, Qt::LeftButton);
  EXPECT_TRUE(box(5)->isChecked());
  QTest::mouseClick(label, Qt::LeftButton);
  EXPECT_FALSE(box(5)->isChecked());
}

TEST_F(TfmReasonCodesTest, TheWheelScrollsByItsAmountAndWithShiftSideways) {
  dialog.resize(400, 200);
  dialog.show();
  auto* scrollBox = dialog.findChild<QScrollArea*>(QStringLiteral("sbReasons"));
  QScrollBar* vertical = scrollBox->verticalScrollBar();
  ASSERT_GT(vertical->maximum(), 240);
  const auto wheel = [&](int delta, Qt::KeyboardModifiers modifiers) {
    const QPointF at(10, 10);
    QWheelEvent event(at, scrollBox->viewport()->mapToGlobal(at), QPoint(), QPoint(0, delta),
                      Qt::NoButton, modifiers, Qt::NoScrollPhase, false);
    QApplication::sendEvent(scrollBox->viewport(), &event);
  };
  wheel(-120, Qt::NoModifier);
  EXPECT_EQ(vertical->value(), 120);
  wheel(-120, Qt::NoModifier);
  wheel(120, Qt::NoModifier);
  EXPECT_EQ(vertical->value(), 120);
  wheel(-120, Qt::ShiftModifier);
  EXPECT_EQ(vertical->value(), 120) << "with Shift the horizontal position moves instead";
}

TEST(ProbexDialogsTest, TheReasonBoxesComeBackAtTheNextStart) {
  TemporaryProfile profile;
  Translation::use(InterfaceLanguage::Russian, profile.paths().catalogueFolder());
  QWidget mainWindow;
  {
    ProbexDialogs dialogs(mainWindow, profile.paths());
    dialogs.reasonCodes().SetCode((1u << 2) | (1u << 31));
  }
  EXPECT_EQ(profile.settings()->value("fmReasonCodes.sbReasons.cbReason3").toString(), "true");
  EXPECT_EQ(profile.settings()->value("fmReasonCodes.sbReasons.cbReason1").toString(), "false");
  ProbexDialogs dialogs(mainWindow, profile.paths());
  EXPECT_EQ(dialogs.reasonCodes().GetCode(), (1u << 2) | (1u << 31));
}

}  // namespace
