#include "ControlTestSupport.h"
#include "ResultCodes.h"

#include <gtest/gtest.h>

namespace {

PropertyId id(std::string_view name) { return findProperty(name)->id; }

class Waiting : public ::testing::Test {
 protected:
  std::vector<std::string> calledMethods() const {
    std::vector<std::string> methods;
    for (const wire::Message& request : device->requests)
      methods.push_back(std::get<wire::MethodRequest>(request).method);
    return methods;
  }

  CleanProfile profile;
  std::shared_ptr<ScriptedRegister> device = std::make_shared<ScriptedRegister>();
  FeroxControl control{fakeLinkFactory(device)};
};

TEST_F(Waiting, ForPrintingRepeatsWhileThePrinterIsBusy) {
  control.setProperty("ConnectionTimeout", 60000);
  device->answer(80);
  device->answer(75);
  device->answer(0);
  EXPECT_EQ(control.callMethod("WaitForPrinting"), 0);
  EXPECT_EQ(calledMethods(), std::vector<std::string>(3, "WaitForPrinting"));
}

TEST_F(Waiting, ForPrintingGivesUpWhenTheBoundIsZeroAndStopsAtOtherErrors) {
  control.setProperty("ConnectionTimeout", 0);
  device->answer(80);
  EXPECT_EQ(control.callMethod("WaitForPrinting"), 80);
  control.setProperty("ConnectionTimeout", 60000);
  device->answer(107);
  EXPECT_EQ(control.callMethod("WaitForPrinting"), 107);
  EXPECT_EQ(device->requests.size(), 2u);
}

TEST_F(Waiting, ForCheckCloseWatchesTheRegistersMode) {
  control.setProperty("ConnectionTimeout", 60000);
  device->answer(0, {{id("ECRMode"), std::int32_t(8)}});
  device->answer(80);
  device->answer(0, {{id("ECRMode"), std::int32_t(2)}});
  EXPECT_EQ(control.callMethod("WaitForCheckClose"), 0);
  EXPECT_EQ(calledMethods(), std::vector<std::string>(3, "GetShortECRStatus"));

  control.setProperty("ConnectionTimeout", 0);
  device->answer(0, {{id("ECRMode"), std::int32_t(8)}});
  EXPECT_EQ(control.callMethod("WaitForCheckClose"), result::WaitTimedOut);
}

TEST_F(Waiting, ForConnectionRetriesUntilTheRegisterAnswers) {
  control.setProperty("ConnectionTimeout", 60000);
  device->openResults = {result::PortUnavailable, result::PortBusy};
  device->reply([](const wire::Message&) { return std::nullopt; });
  EXPECT_EQ(control.callMethod("WaitConnection"), 0);
  EXPECT_EQ(device->opens, 4);
  EXPECT_EQ(control.getProperty("Connected"), DriverValue(true));

  control.callMethod("Disconnect");
  control.setProperty("ConnectionTimeout", 0);
  device->openResults = {result::PortUnavailable};
  EXPECT_EQ(control.callMethod("WaitConnection"), result::PortUnavailable);
}

TEST_F(Waiting, ForConnectionDoesNotWaitOnAWrongSetting) {
  FeroxControl unconfigured;
  unconfigured.setProperty("ConnectionType", 3);
  unconfigured.setProperty("ConnectionTimeout", 600000);
  EXPECT_EQ(unconfigured.callMethod("WaitConnection"), result::InvalidSetting);
}

}  // namespace
