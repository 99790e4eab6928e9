#include "TPages.h"
#include "TfmTabbedPage.h"

#include <QPointer>

#include <gtest/gtest.h>

#include <vector>

namespace {

class StatusPage : public TPage {};
class FullStatusPage : public StatusPage {};
class ReceiptPage : public TPage {};
class NeverAddedPage : public TPage {};

TEST(TPages, PageByClassFindsTheFirstPageOfTheClassOrDerivedFromIt) {
  TPages pages;
  auto* receipt = new ReceiptPage;
  auto* fullStatus = new FullStatusPage;
  auto* status = new StatusPage;
  for (TPage* page : std::vector<TPage*>{receipt, fullStatus, status}) page->SetOwner(&pages);

  EXPECT_EQ(pages.PageByClass<StatusPage>(), fullStatus);
  EXPECT_EQ(pages.PageByClass<FullStatusPage>(), fullStatus);
  EXPECT_EQ(pages.PageByClass<ReceiptPage>(), receipt);
  EXPECT_EQ(pages.PageByClass<TPage>(), receipt);
  EXPECT_EQ(pages.PageByClass<NeverAddedPage>(), nullptr);
}

TEST(TPages, SetOwnerMovesAPageBetweenListsAndKeepsTheOrder) {
  TPages first, second;
  auto* a = new TPage;
  auto* b = new TPage;
  auto* c = new TPage;
  for (TPage* page : {a, b, c}) page->SetOwner(&first);
  EXPECT_EQ(b->GetIndex(), 1);

  b->SetOwner(&second);
  EXPECT_EQ(first.Count(), 2);
  EXPECT_EQ(first.Items(1), c);
  EXPECT_EQ(c->GetIndex(), 1);
  EXPECT_EQ(first.IndexOf(b), -1);
  EXPECT_EQ(b->GetIndex(), 0);
  EXPECT_EQ(b->Owner(), &second);

  a->SetOwner(nullptr);
  EXPECT_EQ(a->GetIndex(), -1);
  EXPECT_EQ(c->GetIndex(), 0);
  EXPECT_TRUE(first.ValidIndex(0));
  EXPECT_FALSE(first.ValidIndex(1));
  EXPECT_FALSE(first.ValidIndex(-1));
  delete a;
}

TEST(TPages, DestroyingTheListDestroysItsPagesWhateverOwnsThemInQt) {
  // A group of two pages in the order the main window adds them, and again with the
  // group last, so that its Qt children go first or with it.
  for (const bool groupFirst : {true, false}) {
    SCOPED_TRACE(groupFirst ? "group first" : "group last");
    std::vector<QPointer<TPage>> created;
    {
      TPages pages;
      auto* group = new TfmTabbedPage;
      auto* first = new TPage;
      auto* second = new TPage;
      group->addPage(first);
      group->addPage(second);
      created = {group, first, second};
      if (groupFirst) group->SetOwner(&pages);
      first->SetOwner(&pages);
      second->SetOwner(&pages);
      if (!groupFirst) group->SetOwner(&pages);
      auto* loose = new TPage;
      loose->SetOwner(&pages);
      created.push_back(loose);
    }
    for (const auto& page : created) EXPECT_TRUE(page.isNull());
  }
}

TEST(TPages, APageDeletedByItsQtParentLeavesTheList) {
  TPages pages;
  auto* window = new QWidget;
  auto* kept = new TPage;
  auto* child = new TPage(window);
  kept->SetOwner(&pages);
  child->SetOwner(&pages);
  delete window;
  ASSERT_EQ(pages.Count(), 1);
  EXPECT_EQ(pages.Items(0), kept);
}

}  // namespace
