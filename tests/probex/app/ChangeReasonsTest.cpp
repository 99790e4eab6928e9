#include "ChangeReasons.h"
#include "QtPrinters.h"

#include <gtest/gtest.h>

namespace {

TEST(ChangeReasonsTest,
     ReasonsOneToTwentyTwoTakeBitsZeroToTwentyOneAndReasonThirtyTwoBitThirtyOne) {
  const auto reasons = changeReasons();
  ASSERT_EQ(reasons.size(), 23u);
  for (int i = 0; i < 22; ++i) EXPECT_EQ(reasons[std::size_t(i)].bit, i);
  EXPECT_EQ(reasons[22].bit, 31);
  EXPECT_EQ(changeReasonCaption(reasons[0]), "1. Замена фискального накопителя");
  EXPECT_EQ(changeReasonCaption(reasons[21]), "22. Изменение версии ФФД");
  EXPECT_EQ(changeReasonCaption(reasons[22]), "32. Иные причины");
}

TEST(ChangeReasonsTest, AReportListsTheTextsOfTheSetInTableOrderAndNothingForBitsWithoutAReason) {
  struct Case {
    ChangeReasonSet set;
    QStringList texts;
  };
  const Case cases[] = {
      {0, {}},
      {0x80000003u,
       {"Замена фискального накопителя", "Замена оператора фискальных данных", "Иные причины"}},
      {1u << 25, {}},
      {(1u << 21) | (1u << 22) | (1u << 30), {"Изменение версии ФФД"}},
  };
  for (const Case& c : cases) EXPECT_EQ(changeReasonTexts(c.set), c.texts) << c.set;
  EXPECT_EQ(changeReasonTexts(0xFFFFFFFFu).size(), 23);
}

}  // namespace
