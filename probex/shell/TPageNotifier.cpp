#include "TPageNotifier.h"

void TPageNotifier::DoChange(bool Value) {
  if (OnChange) OnChange(*this, Value);
}

TPageNotifier& PageNotifier() {
  static TPageNotifier notifier;
  return notifier;
}
