#pragma once

#include "PageClass.h"

#include <vector>

namespace Enrolla {

class TParamPage;

// The wizard's pages in their order. The list owns its pages: destroying it destroys
// every page still in it. Pages join and leave it through TParamPage::SetOwner.
class TParamPages {
 public:
  TParamPages() = default;
  ~TParamPages();

  TParamPages(const TParamPages&) = delete;
  TParamPages& operator=(const TParamPages&) = delete;

  int Count() const { return int(FList.size()); }
  TParamPage* Items(int index) const;
  // -1 for a page not in the list.
  int IndexOf(const TParamPage* page) const;
  // The first page of the class: none when there is none, and its index or -1.
  TParamPage* PageByClass(PageClass pageClass) const;
  int IndexOfClass(PageClass pageClass) const;

  // Calls the page operation of the same name on every page in list order.
  void CloseEvent();

 private:
  friend class TParamPage;
  void Add(TParamPage* page);
  void Remove(TParamPage* page);

  std::vector<TParamPage*> FList;
};

}  // namespace Enrolla
