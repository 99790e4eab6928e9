#pragma once

#include "PageClass.h"
#include "PageGraph.h"

#include <QPointer>
#include <QWidget>

namespace Enrolla {

class TParamPages;

// One step of the wizard, shown alone in the main window's page area under its caption
// (the window title). A page belongs to at most one TParamPages list, which owns it.
//
// The main window runs every operation below as one wizard step: an error it throws is
// shown with its text and keeps the wizard where it was, and the driver is disconnected
// when the step ends, whether it succeeded or not.
class TParamPage : public QWidget {
  Q_OBJECT

 public:
  TParamPage(PageClass pageClass, const QString& caption, QWidget* parent = nullptr);
  ~TParamPage() override;

  PageClass GetPageClass() const { return FPageClass; }

  // The show handler: runs each time the main window makes the page visible.
  virtual void FormShow() {}
  // "Далее >": validate the page, store what it gathered in the controller and name the
  // following page there. The base only moves on along the page graph.
  virtual void Next();
  // The user leaves the page by "< Назад" or by the home button.
  virtual void Prev() {}
  virtual void Home() {}
  // The main window is closing: stop and wait for any background work of the page, which
  // may use the driver.
  virtual void CloseEvent() {}

  // Leaves the current list, if any, and joins the end of the new one, if any.
  void SetOwner(TParamPages* list);
  TParamPages* Owner() const { return FOwner; }
  // The position in the owner list; -1 while unowned.
  int GetIndex() const;

  // The page from which "Далее >" last led here; "< Назад" returns to it.
  QPointer<TParamPage> PrevPage;

 protected:
  // Names, as the next page, the one the graph gives after this page in this state, or
  // this page itself when the graph keeps the wizard here.
  void MoveOn(const FlowState& state);

 private:
  PageClass FPageClass;
  TParamPages* FOwner = nullptr;
};

}  // namespace Enrolla
