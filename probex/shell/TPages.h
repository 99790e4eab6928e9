#pragma once

#include "TPage.h"

#include <vector>

// The ordered list of pages, in the order they joined it. The list owns its pages:
// destroying it destroys every page still in it. A page destroyed elsewhere first (by
// its Qt parent, say) leaves the list on the way out, so nothing is deleted twice.
class TPages {
 public:
  TPages() = default;
  ~TPages();

  TPages(const TPages&) = delete;
  TPages& operator=(const TPages&) = delete;

  int Count() const { return int(FList.size()); }
  // The index must be valid (ValidIndex).
  TPage* Items(int index) const { return FList.at(std::size_t(index)); }
  // -1 when the page is not in the list.
  int IndexOf(const TPage* page) const;
  bool ValidIndex(int index) const { return index >= 0 && index < Count(); }

  // The first page, in list order, that is a T or derived from it; nullptr if none is.
  template <class T>
  T* PageByClass() const {
    for (TPage* page : FList)
      if (auto* match = dynamic_cast<T*>(page)) return match;
    return nullptr;
  }

 private:
  // A page joins and leaves only through TPage::SetOwner.
  friend class TPage;
  void Add(TPage* page);
  void Remove(TPage* page);

  std::vector<TPage*> FList;
};
