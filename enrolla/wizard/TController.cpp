#include "TController.h"

#include "IWizardWindow.h"

namespace Enrolla {

void TController::EnableNext(bool value) {
  if (FWindow) FWindow->EnableNext(value);
}

void TController::EnablePrev(bool value) {
  if (FWindow) FWindow->EnablePrev(value);
}

void TController::EnableHome(bool value) {
  if (FWindow) FWindow->EnableHome(value);
}

void TController::EnableSettings(bool value) {
  if (FWindow) FWindow->EnableSettings(value);
}

void TController::Next() {
  if (FWindow) FWindow->PressNext();
}

void TController::Prev() {
  if (FWindow) FWindow->PressPrev();
}

void TController::Home() {
  if (FWindow) FWindow->GoHome();
}

TParamPage* TController::FindPageByClass(PageClass pageClass) const {
  return FWindow ? FWindow->FindPageByClass(pageClass) : nullptr;
}

TfmReasonCodes* TController::ReasonCodes() const {
  return FWindow ? &FWindow->ReasonCodes() : nullptr;
}

void TController::ClearRegParams() {
  for (QString* text :
       {&RegParams.INN, &RegParams.RNM, &RegParams.User, &RegParams.Cashier, &RegParams.Address,
        &RegParams.AutomatNumber, &RegParams.TaxOfficeURL, &RegParams.SenderEmail,
        &RegParams.PayPlace, &RegParams.OFDName, &RegParams.OFDUrl, &RegParams.OFDINN,
        &RegParams.OFDServer, &RegParams.CashierINN})
    text->clear();
  for (std::uint8_t* bits :
       {&RegParams.TaxSystem, &RegParams.Agent, &RegParams.WorkMode, &RegParams.WorkModeEx})
    *bits = NotSetByte;
  RegParams.ReasonCode = NotSetCode;
  RegParams.FFD = NotSetCode;
  RegParams.OFDPort = 0;
}

FlowState TController::flowState() const {
  return FlowState{.X5Mode = X5Mode,
                   .IsOFDSettingMode = IsOFDSettingMode,
                   .IsComConnection = IsComConnection,
                   .NetType = NetType,
                   .ChosenWorkType = std::nullopt};
}

TController& Controller() {
  static TController controller;
  return controller;
}

}  // namespace Enrolla
