#include "PageGraph.h"

#include <array>

namespace Enrolla {

namespace {

// The conditions an edge needs; an unset one holds in every state.
struct When {
  std::optional<WorkType> workType;
  std::optional<bool> x5Mode;
  std::optional<bool> ofdSettingMode;
  std::optional<bool> comConnection;
  std::optional<std::int32_t> netType;

  When work(WorkType type) const { return with(&When::workType, type); }
  When x5(bool on) const { return with(&When::x5Mode, on); }
  When ofdSetting(bool on) const { return with(&When::ofdSettingMode, on); }
  When comPort(bool on) const { return with(&When::comConnection, on); }
  When net(std::int32_t type) const { return with(&When::netType, type); }

  bool holdsIn(const FlowState& state) const {
    return (!workType || state.ChosenWorkType == workType) &&
           (!x5Mode || state.X5Mode == *x5Mode) &&
           (!ofdSettingMode || state.IsOFDSettingMode == *ofdSettingMode) &&
           (!comConnection || state.IsComConnection == *comConnection) &&
           (!netType || state.NetType == *netType);
  }

 private:
  template <class T>
  When with(std::optional<T> When::*condition, T value) const {
    When narrowed = *this;
    narrowed.*condition = value;
    return narrowed;
  }
};

// Unconditional edges, and the start of the conditions of the others.
const When Always;
const When If;

struct Edge {
  PageClass from;
  When when;
  std::optional<PageClass> to;  // none: the wizard stays on the page
};

using P = PageClass;
using W = WorkType;

// The first edge of a page whose conditions hold names the page that follows it.
const std::array edges{
    Edge{P::TfmConnectDevice, Always, P::TfmSelectPortType},
    Edge{P::TfmSelectPortType, If.comPort(true), P::TfmSearchDevice},
    Edge{P::TfmSelectPortType, If.comPort(false), P::TfmTCPParams},
    Edge{P::TfmSearchDevice, Always, P::TfmSelectWorkType},
    Edge{P::TfmTCPParams, Always, P::TfmSelectWorkType},

    Edge{P::TfmSelectWorkType, If.work(W::NewRegistration), P::TFmCheckStatusBeforeRegistration},
    Edge{P::TfmSelectWorkType, If.work(W::ReRegistration).x5(true), P::TfmKKTParamsX5},
    Edge{P::TfmSelectWorkType, If.work(W::ReRegistration), P::TFmCheckStatusBeforeReRegistration},
    Edge{P::TfmSelectWorkType, If.work(W::ReRegistrationNewFN).x5(true), P::TfmKKTParamsX5},
    Edge{P::TfmSelectWorkType, If.work(W::ReRegistrationNewFN),
         P::TFmCheckStatusBeforeReRegistration},
    Edge{P::TfmSelectWorkType, If.work(W::CalculationStateReport), P::TfmCalculationStateReport},
    Edge{P::TfmSelectWorkType, If.work(W::CloseFNArchive), P::TFmCheckStatusBeforeCloseFN},
    Edge{P::TfmSelectWorkType, If.work(W::OFDSetup), P::TfmOFDParams},

    Edge{P::TFmCheckStatusBeforeRegistration, Always, P::TfmEnterSerial},
    Edge{P::TFmCheckStatusBeforeReRegistration, Always, P::TfmSelectClientType},
    Edge{P::TFmCheckStatusBeforeCloseFN, Always, P::TfmBeforeCloseFN},

    Edge{P::TfmEnterSerial, If.x5(true), P::TfmKKTParamsX5},
    Edge{P::TfmEnterSerial, Always, P::TfmSelectClientType},
    Edge{P::TfmSelectClientType, Always, P::TfmFFD},
    Edge{P::TfmFFD, Always, P::TfmOFDParams},
    Edge{P::TfmOFDParams, If.ofdSetting(true), P::TfmSelectNetType},
    Edge{P::TfmOFDParams, Always, P::TfmUserParams},
    Edge{P::TfmUserParams, Always, P::TfmINN},
    Edge{P::TfmINN, Always, P::TfmWorkMode},
    Edge{P::TfmWorkMode, Always, P::TfmFiscalizationBefore},
    Edge{P::TfmFiscalizationBefore, Always, P::TfmFiscalizationInfo},
    Edge{P::TfmFiscalizationInfo, Always, P::TfmFinalMessage},

    Edge{P::TfmKKTParamsX5, Always, P::TfmOpenRegParamsX5},
    Edge{P::TfmOpenRegParamsX5, Always, P::TfmRegParamsX5},
    Edge{P::TfmRegParamsX5, Always, P::TfmFiscalizationBefore},

    Edge{P::TfmCalculationStateReport, Always, P::TfmSelectWorkType},
    Edge{P::TfmBeforeCloseFN, Always, P::TfmCloseFN},
    Edge{P::TfmCloseFN, Always, P::TfmSelectWorkType},

    Edge{P::TfmSelectNetType, If.net(0), P::TfmEthernetParams},
    Edge{P::TfmSelectNetType, If.net(1), P::TfmWiFiParams},
    Edge{P::TfmSelectNetType, If.net(2), P::TfmRNDISParams},
    Edge{P::TfmEthernetParams, Always, P::TfmCheckEthernet},
    Edge{P::TfmWiFiParams, Always, std::nullopt},
    Edge{P::TfmRNDISParams, Always, P::TfmCheckRNDIS},
    Edge{P::TfmCheckEthernet, Always, P::TfmOFDExchangeState},
    Edge{P::TfmCheckRNDIS, Always, P::TfmOFDExchangeState},
    Edge{P::TfmOFDExchangeState, Always, P::TfmFinalMessage},

    Edge{P::TfmFinalMessage, Always, P::TfmConnectDevice},
};

}  // namespace

std::optional<PageClass> nextPageAfter(PageClass page, const FlowState& state) {
  for (const Edge& edge : edges)
    if (edge.from == page && edge.when.holdsIn(state)) return edge.to;
  return std::nullopt;
}

}  // namespace Enrolla
