#pragma once

#include "TPage.h"

class QTabWidget;

// A group of pages shown as tabs of one tab control that fills the page. Showing and
// leaving the group, or switching its tabs, reaches the page on the active tab.
class TfmTabbedPage : public TPage {
  Q_OBJECT

 public:
  explicit TfmTabbedPage(QWidget* parent = nullptr);

  QTabWidget* tabs() const { return FTabs; }
  // Puts the page on a new tab sheet, filling it, with the page's caption on the tab.
  // Sheets are named tsPage1, tsPage2, ... in the order they are added, so that the
  // names of their controls are the same from run to run. Adding calls no page hooks.
  void addPage(TPage* page);
  // Makes a tab active the way adding pages does, calling no page hooks: the main window
  // brings back the stored tab before the group is first shown, so that only the page
  // the user will see is refreshed. An index out of range is ignored.
  void setActiveTabSilently(int index);

  void UpdatePage() override;
  void UpdateObject() override;

 private:
  // The first control of the sheet when it is a page; nullptr otherwise.
  static TPage* pageOn(QWidget* sheet);
  TPage* activePage() const;
  void activeTabChanged();

  QTabWidget* FTabs;
  // The tab control reports a change only after it happened, so the sheet being left
  // is kept here; a pointer rather than an index survives tabs being removed.
  QPointer<QWidget> FActiveSheet;
};
