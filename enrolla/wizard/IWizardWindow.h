#pragma once

#include "PageClass.h"

class TfmReasonCodes;

namespace Enrolla {

class TParamPage;

// What the controller asks of the main window on behalf of the pages.
class IWizardWindow {
 public:
  virtual ~IWizardWindow() = default;

  virtual void EnableNext(bool value) = 0;
  virtual void EnablePrev(bool value) = 0;
  virtual void EnableHome(bool value) = 0;
  virtual void EnableSettings(bool value) = 0;
  // Press "Далее >" or "< Назад" when enabled; go home.
  virtual void PressNext() = 0;
  virtual void PressPrev() = 0;
  virtual void GoHome() = 0;
  virtual TParamPage* FindPageByClass(PageClass pageClass) const = 0;
  // The change-reason dialog created at start.
  virtual TfmReasonCodes& ReasonCodes() = 0;
};

}  // namespace Enrolla
