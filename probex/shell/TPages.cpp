#include "TPages.h"

#include <algorithm>

TPages::~TPages() {
  // Each page removes itself, and any pages among its children, as it is destroyed.
  while (!FList.empty()) delete FList.back();
}

int TPages::IndexOf(const TPage* page) const {
  const auto found = std::find(FList.begin(), FList.end(), page);
  return found == FList.end() ? -1 : int(found - FList.begin());
}

void TPages::Add(TPage* page) { FList.push_back(page); }

void TPages::Remove(TPage* page) { std::erase(FList, page); }
