#pragma once

#include "PageClass.h"
#include "PageGraph.h"
#include "TRegParams.h"

#include <QString>

#include <cstdint>

class TfmReasonCodes;

namespace Enrolla {

class IWizardWindow;
class TParamPage;

// The wizard's shared state: what the pages gathered on the way, the page to show next,
// and the way to the main window's buttons. Pages never call each other; they write here
// and name the following page's class.
class TController {
 public:
  PageClass NextPageClass = PageClass::TfmSelectWorkType;
  TParamPage* CurrentPage = nullptr;
  bool IsOFDSettingMode = false;
  QString IP;  // the register's address written by the Ethernet or RNDIS page
  bool DHCP = false;
  std::int32_t TCPPort = 0;
  QString KKTName;  // the register found by the search
  QString KKTSN;
  bool Yur = false;  // a legal entity rather than an individual entrepreneur
  bool IsRNDIS = false;
  std::int32_t NetType = 0;  // 0 Ethernet, 1 Wi-Fi, 2 RNDIS
  bool IsComConnection = true;
  TRegParams RegParams;
  bool X5Mode = false;

  // The main window attaches itself while it exists; without it the operations below
  // do nothing and find nothing.
  void SetWindow(IWizardWindow* window) { FWindow = window; }
  IWizardWindow* Window() const { return FWindow; }

  void EnableNext(bool value);
  void EnablePrev(bool value);
  void EnableHome(bool value);
  void EnableSettings(bool value);
  // "Далее >" and "< Назад" are pressed only while enabled.
  void Next();
  void Prev();
  void Home();
  // The first page of the main window's list of this class; none when there is none.
  TParamPage* FindPageByClass(PageClass pageClass) const;
  TfmReasonCodes* ReasonCodes() const;

  // Resets the texts and codes of the registration data, so that a new pass never sees
  // those of the previous one; the flags of the work type and the data of the last
  // registration stay.
  void ClearRegParams();

  // What steers the page graph now (no work type chosen).
  FlowState flowState() const;

 private:
  IWizardWindow* FWindow = nullptr;
};

// The one controller of the process, created at the first call.
TController& Controller();

}  // namespace Enrolla
