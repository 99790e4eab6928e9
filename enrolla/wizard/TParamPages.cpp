#include "TParamPages.h"

#include "TParamPage.h"

#include <algorithm>

namespace Enrolla {

TParamPages::~TParamPages() {
  // Each page leaves the list as it is destroyed.
  while (!FList.empty()) delete FList.back();
}

TParamPage* TParamPages::Items(int index) const { return FList.at(std::size_t(index)); }

int TParamPages::IndexOf(const TParamPage* page) const {
  const auto found = std::ranges::find(FList, page);
  return found == FList.end() ? -1 : int(found - FList.begin());
}

TParamPage* TParamPages::PageByClass(PageClass pageClass) const {
  const int index = IndexOfClass(pageClass);
  return index < 0 ? nullptr : FList[std::size_t(index)];
}

int TParamPages::IndexOfClass(PageClass pageClass) const {
  const auto found = std::ranges::find(FList, pageClass, &TParamPage::GetPageClass);
  return found == FList.end() ? -1 : int(found - FList.begin());
}

void TParamPages::CloseEvent() {
  for (TParamPage* page : FList) page->CloseEvent();
}

void TParamPages::Add(TParamPage* page) { FList.push_back(page); }

void TParamPages::Remove(TParamPage* page) { std::erase(FList, page); }

}  // namespace Enrolla
