#include "DeviceStatus.h"
#include "RegisterFixture.h"

namespace {

using P = PropertyId;

TEST_F(RegisterTest, StatusAfterStartShowsAClosedShiftWithPaper) {
  const QString serial = valueOf<QString>(call("ReadSerialNumber"), P::SerialNumber);
  EXPECT_EQ(serial.size(), 16);
  EXPECT_EQ(serial, device->serialNumber());
  const auto answer = call("GetECRStatus", asAdmin());
  ASSERT_EQ(answer.result, 0);
  EXPECT_EQ(valueOf<std::int32_t>(answer, P::ECRMode), 4);
  EXPECT_EQ(valueOf<QString>(answer, P::ECRModeDescription), u"Смена закрыта");
  EXPECT_EQ(caller.ECRAdvancedMode(), 0);
  EXPECT_EQ(valueOf<QString>(answer, P::ECRAdvancedModeDescription), u"Бумага есть");
  EXPECT_EQ(valueOf<std::int32_t>(answer, P::OperatorNumber), 30);
  EXPECT_GE(valueOf<QDateTime>(answer, P::ECRSoftDate).date(), QDate(2018, 10, 24));
  EXPECT_FALSE(valueOf<QString>(answer, P::ECRSoftVersion).isEmpty());
  EXPECT_EQ(valueOf<std::int32_t>(answer, P::LogicalNumber), 1);
  EXPECT_EQ(valueOf<std::int32_t>(answer, P::PortNumber), link_interface::Tcp);
  EXPECT_EQ(caller.SerialNumber(), serial);
  const QDateTime deviceTime = valueOf<QDateTime>(answer, P::Time);
  EXPECT_LT(std::abs(deviceTime.secsTo(QDateTime::currentDateTime())), 60);
  EXPECT_EQ(valueOf<QDateTime>(answer, P::Date).date(), deviceTime.date());
}

TEST_F(RegisterTest, StatusNeedsAnOperatorsPassword) {
  EXPECT_EQ(result("GetECRStatus", {{P::Password, std::int32_t(31)}}), 79);
  const auto cashier = call("GetShortECRStatus", {{P::Password, std::int32_t(5)}});
  EXPECT_EQ(cashier.result, 0);
  EXPECT_EQ(valueOf<std::int32_t>(cashier, P::OperatorNumber), 5);
}

struct FlagCase {
  const char* name;
  PrinterSettings printer;
  const char* profile;
  std::vector<std::pair<PropertyId, bool>> flags;
  std::int32_t subMode;
};

TEST_F(RegisterTest, StatusFlagsFollowPaperCoverAndModel) {
  const FlagCase cases[] = {
      {"all well",
       {},
       "standard",
       {{P::ReceiptRibbonIsPresent, true},
        {P::JournalRibbonIsPresent, true},
        {P::ReceiptRibbonOpticalSensor, true},
        {P::LidPositionSensor, false},
        {P::ReceiptRibbonLever, true},
        {P::JournalRibbonLever, true},
        {P::PointPosition, true}},
       0},
      {"no receipt paper",
       {.receiptPaper = false},
       "standard",
       {{P::ReceiptRibbonIsPresent, false},
        {P::ReceiptRibbonOpticalSensor, false},
        {P::JournalRibbonIsPresent, true}},
       1},
      {"cover open",
       {.coverOpen = true},
       "standard",
       {{P::LidPositionSensor, true}, {P::ReceiptRibbonLever, false}},
       0},
      {"no journal station",
       {},
       "compact",
       {{P::JournalRibbonIsPresent, false},
        {P::JournalRibbonOpticalSensor, false},
        {P::ReceiptRibbonIsPresent, true}},
       0},
  };
  for (const FlagCase& c : cases) {
    SCOPED_TRACE(c.name);
    configure([&](RegisterSettings& s) {
      s.printer = c.printer;
      s.profile = QString::fromLatin1(c.profile);
    });
    const auto answer = call("GetShortECRStatus", asAdmin());
    ASSERT_EQ(answer.result, 0);
    const PropertyBag& shown = caller;
    for (const auto& [property, expected] : c.flags)
      EXPECT_EQ(valueToBool(shown.get(property)), expected) << propertyInfo(property).name;
    EXPECT_EQ(shown.ECRAdvancedMode(), c.subMode);
    for (const StatusFlag& flag : status::flags())
      EXPECT_EQ(bool((shown.ECRFlags() >> flag.bit) & 1), valueToBool(shown.get(flag.property)))
          << propertyInfo(flag.property).name << " disagrees with ECRFlags";
  }
}

TEST_F(RegisterTest, DeviceMetricsDescribeTheChosenModel) {
  const auto standard = call("GetDeviceMetrics");
  ASSERT_EQ(standard.result, 0);
  EXPECT_EQ(valueOf<std::int32_t>(standard, P::UModel), 44);
  EXPECT_EQ(valueOf<QString>(standard, P::UDescription), u"ВКР-80Ф");
  EXPECT_EQ(valueOf<std::int32_t>(standard, P::UCodePage), 1251);
  EXPECT_GT(valueOf<std::int32_t>(standard, P::ModelParamCount), 50);
  EXPECT_EQ(valueOf<std::int32_t>(standard, P::UMajorProtocolVersion), 1);

  configure([](RegisterSettings& s) { s.profile = QStringLiteral("cashcore"); });
  const auto cashCore = call("GetDeviceMetrics");
  EXPECT_EQ(valueOf<std::int32_t>(cashCore, P::UModel), 45);
  EXPECT_EQ(valueOf<QString>(cashCore, P::UDescription), u"ВКЯ-01Ф");
}

TEST_F(RegisterTest, PreviousModeRemembersTheModeBeforeTheLastChange) {
  EXPECT_EQ(result("SetDate", asAdmin({{P::Date, QDateTime(QDate(2031, 5, 6), QTime())}})), 0);
  const auto waiting = call("GetShortECRStatus", asAdmin());
  EXPECT_EQ(valueOf<std::int32_t>(waiting, P::ECRMode), 6);
  EXPECT_EQ(valueOf<QString>(waiting, P::ECRModeDescription), u"Ожидание подтверждения даты");
  EXPECT_EQ(caller.PreviousECRMode(), 4);
  EXPECT_EQ(result("ConfirmDate", asAdmin({{P::Date, QDateTime(QDate(2031, 5, 6), QTime())}})), 0);
  const auto back = call("GetShortECRStatus", asAdmin());
  EXPECT_EQ(valueOf<std::int32_t>(back, P::ECRMode), 4);
  EXPECT_EQ(caller.PreviousECRMode(), 6);
}

}  // namespace
