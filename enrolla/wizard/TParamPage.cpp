#include "TParamPage.h"

#include "TController.h"
#include "TParamPages.h"

namespace Enrolla {

TParamPage::TParamPage(PageClass pageClass, const QString& caption, QWidget* parent)
    : QWidget(parent), FPageClass(pageClass) {
  setObjectName(pageClassName(pageClass).mid(1));
  setWindowTitle(caption);
}

TParamPage::~TParamPage() { SetOwner(nullptr); }

void TParamPage::Next() { MoveOn(Controller().flowState()); }

void TParamPage::MoveOn(const FlowState& state) {
  Controller().NextPageClass = nextPageAfter(FPageClass, state).value_or(FPageClass);
}

void TParamPage::SetOwner(TParamPages* list) {
  if (FOwner) FOwner->Remove(this);
  FOwner = list;
  if (FOwner) FOwner->Add(this);
}

int TParamPage::GetIndex() const { return FOwner ? FOwner->IndexOf(this) : -1; }

}  // namespace Enrolla
