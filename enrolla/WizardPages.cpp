#include "WizardPages.h"

#include "TFmCheckStatusBeforeCloseFN.h"
#include "TFmCheckStatusBeforeReRegistration.h"
#include "TFmCheckStatusBeforeRegistration.h"
#include "TfmBeforeCloseFN.h"
#include "TfmCalculationStateReport.h"
#include "TfmCheckEthernet.h"
#include "TfmCheckRNDIS.h"
#include "TfmCloseFN.h"
#include "TfmConnectDevice.h"
#include "TfmEnterSerial.h"
#include "TfmEthernetParams.h"
#include "TfmFFD.h"
#include "TfmFinalMessage.h"
#include "TfmFiscalizationBefore.h"
#include "TfmFiscalizationInfo.h"
#include "TfmINN.h"
#include "TfmKKTParamsX5.h"
#include "TfmOFDExchangeState.h"
#include "TfmOFDParams.h"
#include "TfmOpenRegParamsX5.h"
#include "TfmRNDISParams.h"
#include "TfmRegParamsX5.h"
#include "TfmSearchDevice.h"
#include "TfmSelectClientType.h"
#include "TfmSelectNetType.h"
#include "TfmSelectPortType.h"
#include "TfmSelectWorkType.h"
#include "TfmTCPParams.h"
#include "TfmUserParams.h"
#include "TfmWiFiParams.h"
#include "TfmWorkMode.h"

namespace Enrolla {

std::vector<PageFactory> wizardPages() {
  return {
#define ENROLLA_PAGE(name) [] { return std::unique_ptr<TParamPage>(std::make_unique<name>()); },
#include "PageClasses.def"
#undef ENROLLA_PAGE
  };
}

}  // namespace Enrolla
