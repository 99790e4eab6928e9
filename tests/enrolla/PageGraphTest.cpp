#include "AllPageClasses.h"
#include "PageGraph.h"

#include <QStringList>

#include <gtest/gtest.h>

using namespace Enrolla;

namespace {

using P = PageClass;
using W = WorkType;

// The pages a pass goes through, from `start` on, following the graph: until it comes
// back to the work-type or connect page, or stays on a page (which then ends the list
// twice).
std::vector<PageClass> walk(PageClass start, const FlowState& state) {
  std::vector<PageClass> pages{start};
  while (pages.size() < 40) {
    const PageClass page = pages.back();
    const std::optional<PageClass> next = nextPageAfter(page, state);
    pages.push_back(next.value_or(page));
    if (!next || *next == P::TfmSelectWorkType || *next == P::TfmConnectDevice) break;
  }
  return pages;
}

QStringList names(const std::vector<PageClass>& pages) {
  QStringList list;
  for (const PageClass page : pages) list << pageClassName(page);
  return list;
}

const std::vector<PageClass> registrationData{
    P::TfmSelectClientType, P::TfmFFD, P::TfmOFDParams, P::TfmUserParams, P::TfmINN, P::TfmWorkMode,
};
const std::vector<PageClass> registrationX5{P::TfmKKTParamsX5, P::TfmOpenRegParamsX5,
                                            P::TfmRegParamsX5};
const std::vector<PageClass> registrationEnd{P::TfmFiscalizationBefore, P::TfmFiscalizationInfo,
                                             P::TfmFinalMessage, P::TfmConnectDevice};

std::vector<PageClass> joined(std::initializer_list<std::vector<PageClass>> parts) {
  std::vector<PageClass> all;
  for (const auto& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

struct SequenceCase {
  const char* name;
  W workType;
  bool x5Mode;
  std::int32_t netType;
  std::vector<PageClass> pages;  // from the work-type page on
};

TEST(PageGraphTest, EveryWorkTypeGoesThroughItsPages) {
  const SequenceCase cases[] = {
      {"registration", W::NewRegistration, false, 0,
       joined({{P::TfmSelectWorkType, P::TFmCheckStatusBeforeRegistration, P::TfmEnterSerial},
               registrationData,
               registrationEnd})},
      {"registration, X5", W::NewRegistration, true, 0,
       joined({{P::TfmSelectWorkType, P::TFmCheckStatusBeforeRegistration, P::TfmEnterSerial},
               registrationX5,
               registrationEnd})},
      {"re-registration", W::ReRegistration, false, 0,
       joined({{P::TfmSelectWorkType, P::TFmCheckStatusBeforeReRegistration},
               registrationData,
               registrationEnd})},
      {"re-registration with a new FN", W::ReRegistrationNewFN, false, 0,
       joined({{P::TfmSelectWorkType, P::TFmCheckStatusBeforeReRegistration},
               registrationData,
               registrationEnd})},
      {"re-registration, X5", W::ReRegistration, true, 0,
       joined({{P::TfmSelectWorkType}, registrationX5, registrationEnd})},
      {"re-registration with a new FN, X5", W::ReRegistrationNewFN, true, 0,
       joined({{P::TfmSelectWorkType}, registrationX5, registrationEnd})},
      {"settlement report",
       W::CalculationStateReport,
       false,
       0,
       {P::TfmSelectWorkType, P::TfmCalculationStateReport, P::TfmSelectWorkType}},
      {"settlement report, X5",
       W::CalculationStateReport,
       true,
       0,
       {P::TfmSelectWorkType, P::TfmCalculationStateReport, P::TfmSelectWorkType}},
      {"closing the FN archive",
       W::CloseFNArchive,
       false,
       0,
       {P::TfmSelectWorkType, P::TFmCheckStatusBeforeCloseFN, P::TfmBeforeCloseFN, P::TfmCloseFN,
        P::TfmSelectWorkType}},
      {"closing the FN archive, X5",
       W::CloseFNArchive,
       true,
       0,
       {P::TfmSelectWorkType, P::TFmCheckStatusBeforeCloseFN, P::TfmBeforeCloseFN, P::TfmCloseFN,
        P::TfmSelectWorkType}},
      {"OFD setup over Ethernet",
       W::OFDSetup,
       false,
       0,
       {P::TfmSelectWorkType, P::TfmOFDParams, P::TfmSelectNetType, P::TfmEthernetParams,
        P::TfmCheckEthernet, P::TfmOFDExchangeState, P::TfmFinalMessage, P::TfmConnectDevice}},
      {"OFD setup over Wi-Fi stays on its settings",
       W::OFDSetup,
       false,
       1,
       {P::TfmSelectWorkType, P::TfmOFDParams, P::TfmSelectNetType, P::TfmWiFiParams,
        P::TfmWiFiParams}},
      {"OFD setup over RNDIS",
       W::OFDSetup,
       false,
       2,
       {P::TfmSelectWorkType, P::TfmOFDParams, P::TfmSelectNetType, P::TfmRNDISParams,
        P::TfmCheckRNDIS, P::TfmOFDExchangeState, P::TfmFinalMessage, P::TfmConnectDevice}},
      {"OFD setup in X5 mode",
       W::OFDSetup,
       true,
       0,
       {P::TfmSelectWorkType, P::TfmOFDParams, P::TfmSelectNetType, P::TfmEthernetParams,
        P::TfmCheckEthernet, P::TfmOFDExchangeState, P::TfmFinalMessage, P::TfmConnectDevice}},
  };
  for (const SequenceCase& c : cases) {
    SCOPED_TRACE(c.name);
    FlowState state;
    state.X5Mode = c.x5Mode;
    state.IsOFDSettingMode = c.workType == W::OFDSetup;
    state.NetType = c.netType;
    state.ChosenWorkType = c.workType;
    EXPECT_EQ(names(walk(P::TfmSelectWorkType, state)), names(c.pages));
  }
}

TEST(PageGraphTest, EveryPassReachesTheWorkTypeThroughTheConnectionPages) {
  const struct {
    bool serialPort;
    std::vector<PageClass> pages;
  } cases[] = {
      {true, {P::TfmConnectDevice, P::TfmSelectPortType, P::TfmSearchDevice, P::TfmSelectWorkType}},
      {false, {P::TfmConnectDevice, P::TfmSelectPortType, P::TfmTCPParams, P::TfmSelectWorkType}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.serialPort);
    FlowState state;
    state.IsComConnection = c.serialPort;
    EXPECT_EQ(names(walk(P::TfmConnectDevice, state)), names(c.pages));
  }
}

TEST(PageGraphTest, AChoiceThatLeadsNowhereKeepsTheWizardOnThePage) {
  FlowState state;
  EXPECT_EQ(nextPageAfter(P::TfmSelectWorkType, state), std::nullopt);
  state.NetType = 3;
  EXPECT_EQ(nextPageAfter(P::TfmSelectNetType, state), std::nullopt);
  EXPECT_EQ(workTypeAt(-1), std::nullopt);
  EXPECT_EQ(workTypeAt(6), std::nullopt);
  EXPECT_EQ(workTypeAt(5), W::OFDSetup);
}

TEST(PageGraphTest, EveryPageButTheWiFiSettingsLeadsOnInSomeState) {
  FlowState someState;
  someState.ChosenWorkType = W::NewRegistration;
  for (const PageClass page : allPageClasses) {
    SCOPED_TRACE(pageClassName(page).toStdString());
    EXPECT_EQ(nextPageAfter(page, someState).has_value(), page != P::TfmWiFiParams);
  }
}

}  // namespace
