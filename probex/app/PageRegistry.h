#pragma once

#include <QString>

#include <functional>
#include <vector>

class TPage;

// The pages of the program, in the order the main window lists and tabs them. A group
// is one entry of the group list and one tabbed page; a group with no page is not
// listed, but keeps its number.
struct PageEntry {
  QString className;  // the page class, TfmReceipt; its object name drops the T
  QString caption;    // the tab caption, Russian, translated when the page is created
  std::function<TPage*()> create;
};

struct PageGroup {
  int number;
  QString caption;
  std::vector<PageEntry> pages;
};

using PageRegistry = std::vector<PageGroup>;

// A registry row's factory for a page class.
template <class Page>
TPage* createPage() {
  return new Page;
}

// The program's own registry.
const PageRegistry& probexPages();
