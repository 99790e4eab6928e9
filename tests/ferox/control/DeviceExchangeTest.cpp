#include "ControlTestSupport.h"
#include "Frame.h"
#include "HexText.h"
#include "ResultCodes.h"

#include <gtest/gtest.h>

namespace {

PropertyId id(std::string_view name) { return findProperty(name)->id; }

QStringList inputNames(const wire::MethodRequest& request) {
  QStringList names;
  for (const wire::PropertyValue& input : request.inputs) {
    const std::string_view name = propertyInfo(input.id).name;
    names << QString::fromLatin1(name.data(), qsizetype(name.size()));
  }
  return names;
}

class DeviceExchange : public ::testing::Test {
 protected:
  CleanProfile profile;
  std::shared_ptr<ScriptedRegister> device = std::make_shared<ScriptedRegister>();
  FeroxControl control{fakeLinkFactory(device)};
};

TEST_F(DeviceExchange, SendsOnlyWhatTheRegistersMirrorLacks) {
  control.setProperty("StringForPrinting", QStringLiteral("Строка"));
  control.setProperty("ComNumber", 3);  // the control's own setting: never sent
  ASSERT_EQ(control.callMethod("PrintString"), 0);
  EXPECT_EQ(device->methodRequest(0).method, "PrintString");
  // A new session: every non-default device property, whatever changed lately.
  EXPECT_EQ(inputNames(device->methodRequest(0)),
            QStringList({"Password", "StringForPrinting", "SysAdminPassword", "UseReceiptRibbon"}));

  ASSERT_EQ(control.callMethod("PrintString"), 0);
  EXPECT_TRUE(device->methodRequest(1).inputs.empty());

  control.setProperty("StringForPrinting", QStringLiteral("Строка"));  // the same value
  control.setProperty("FontType", 2);
  control.setProperty("Password", 1);
  ASSERT_EQ(control.callMethod("PrintStringWithFont"), 0);
  EXPECT_EQ(device->methodRequest(2).inputs, (wire::Properties{{id("FontType"), std::int32_t(2)},
                                                               {id("Password"), std::int32_t(1)}}));

  ASSERT_EQ(control.callMethod("Disconnect"), 0);
  ASSERT_EQ(control.callMethod("Beep"), 0);
  EXPECT_EQ(inputNames(device->methodRequest(3)),
            QStringList({"FontType", "Password", "StringForPrinting", "SysAdminPassword",
                         "UseReceiptRibbon"}));
  EXPECT_EQ(device->opens, 2);
}

TEST_F(DeviceExchange, TakesTheAnswersOutputsWithoutEchoingThem) {
  device->answer(0, {{id("ECRMode"), std::int32_t(8)},
                     {id("UDescription"), QStringLiteral("ККТ-Ф")},
                     {id("OperatorNumber"), std::int32_t(29)},
                     {id("ResultCodeDescription"), QStringLiteral("чужой текст")},
                     {id("ECRInput"), QStringLiteral("00")}});
  ASSERT_EQ(control.callMethod("GetECRStatus"), 0);
  EXPECT_EQ(control.getProperty("ECRMode"), DriverValue(std::int32_t(8)));
  EXPECT_EQ(control.getProperty("UDescription"), DriverValue(QStringLiteral("ККТ-Ф")));
  EXPECT_EQ(control.getProperty("OperatorNumber"), DriverValue(std::int32_t(29)));
  // The control's own properties are never taken from the register.
  EXPECT_EQ(control.getProperty("ResultCodeDescription"), DriverValue(resultCodeDescription(0)));
  EXPECT_NE(control.getProperty("ECRInput"), DriverValue(QStringLiteral("00")));

  ASSERT_EQ(control.callMethod("Beep"), 0);
  EXPECT_TRUE(device->methodRequest(1).inputs.empty());
}

TEST_F(DeviceExchange, ShowsTheRealFrameBytesOfTheLastExchange) {
  device->answer(0, {{id("ECRMode"), std::int32_t(4)}});
  ASSERT_EQ(control.callMethod("GetShortECRStatus"), 0);
  const QByteArray answer =
      frameOf(answerTo(device->requests[0], 0, {{id("ECRMode"), std::int32_t(4)}}));
  EXPECT_EQ(control.getProperty("ECRInput"), DriverValue(bytesToHexText(device->frames[0])));
  EXPECT_EQ(control.getProperty("ECROutput"), DriverValue(bytesToHexText(answer)));
  EXPECT_TRUE(valueToText(control.getProperty("ECRInput")).startsWith("02 "));
}

struct FailureCase {
  const char* name;
  ScriptedRegister::Reply reply;
  std::int32_t result;
};

TEST_F(DeviceExchange, TellsLinkFailuresApartAndStartsANewSessionAfterThem) {
  const FailureCase cases[] = {
      {"silence", [](const wire::Message&) { return std::nullopt; }, result::NoConnection},
      {"garbage", [](const wire::Message&) { return std::optional<QByteArray>("\x55\x01garbage"); },
       result::BadAnswer},
      {"broken checksum",
       [](const wire::Message& request) {
         QByteArray bytes = frameOf(answerTo(request));
         bytes[bytes.size() - 1] = char(bytes.back() ^ 0x5A);
         return std::optional(bytes);
       },
       result::BadAnswer},
      {"late answer to an earlier request",
       [](const wire::Message& request) {
         return std::optional(frameOf(wire::MethodAnswer{sequenceOf(request) - 1, 0, {}}));
       },
       result::BadAnswer},
      {"answer of another kind",
       [](const wire::Message& request) {
         return std::optional(frameOf(wire::RawAnswer{sequenceOf(request), 0, "\x01"}));
       },
       result::BadAnswer},
      {"output of the wrong kind",
       [](const wire::Message& request) {
         return std::optional(frameOf(wire::MethodAnswer{
             sequenceOf(request), 0, {{id("ECRMode"), QStringLiteral("восемь")}}}));
       },
       result::BadAnswer},
      {"message that is no message",
       [](const wire::Message&) { return std::optional(frame::encode("\x81\x01")); },
       result::BadAnswer},
      {"register could not read the request",
       [](const wire::Message& request) {
         return std::optional(frameOf(wire::ErrorAnswer{sequenceOf(request), 51, "плохой запрос"}));
       },
       result::InvalidParameters},
  };
  for (const FailureCase& c : cases) {
    control.setProperty("StringForPrinting", QString::fromUtf8(c.name));
    device->reply(c.reply);
    EXPECT_EQ(control.callMethod("PrintString"), c.result) << c.name;
    EXPECT_EQ(control.getProperty("ResultCodeDescription"),
              DriverValue(resultCodeDescription(c.result)));
    const int opens = device->opens;
    const std::size_t sent = device->requests.size();
    EXPECT_EQ(control.callMethod("PrintString"), 0) << c.name;
    const bool newSession = c.result < 0;
    EXPECT_EQ(device->opens, opens + (newSession ? 1 : 0)) << c.name;
    // What the register may have missed is sent again.
    EXPECT_TRUE(inputNames(device->methodRequest(sent)).contains("StringForPrinting")) << c.name;
  }
}

TEST_F(DeviceExchange, NumbersEveryRequestAfresh) {
  for (int i = 0; i < 3; ++i) control.callMethod("Beep");
  control.setProperty("BinaryConversion", 1);
  control.setProperty("TransferBytes", QStringLiteral("10"));
  control.callMethod("ExchangeBytes");
  std::vector<std::uint32_t> numbers;
  for (const wire::Message& request : device->requests) numbers.push_back(sequenceOf(request));
  EXPECT_EQ(numbers.size(), 4u);
  for (std::size_t i = 1; i < numbers.size(); ++i) EXPECT_EQ(numbers[i], numbers[i - 1] + 1);
}

TEST_F(DeviceExchange, ReportsWhyALinkCannotBeOpened) {
  for (const std::int32_t failure :
       {result::PortUnavailable, result::PortBusy, result::NoConnection}) {
    device->openResults.push_back(failure);
    EXPECT_EQ(control.callMethod("Connect"), failure);
    EXPECT_EQ(control.getProperty("Connected"), DriverValue(false));
    EXPECT_EQ(control.getProperty("ECRInput"), DriverValue(QString()));
  }
  EXPECT_TRUE(device->requests.empty());
}

TEST_F(DeviceExchange, ConnectedIsWritable) {
  control.setProperty("Connected", true);
  EXPECT_EQ(device->methodRequest(0).method, "GetDeviceMetrics");
  EXPECT_EQ(control.getProperty("Connected"), DriverValue(true));
  EXPECT_EQ(control.getProperty("ResultCode"), DriverValue(std::int32_t(0)));
  control.setProperty("Connected", false);
  EXPECT_EQ(control.getProperty("Connected"), DriverValue(false));
  device->openResults.push_back(result::PortUnavailable);
  control.setProperty("Connected", true);
  EXPECT_EQ(control.getProperty("Connected"), DriverValue(false));
  EXPECT_EQ(control.getProperty("ResultCode"), DriverValue(result::PortUnavailable));
}

TEST_F(DeviceExchange, ChangedConnectionSettingsOpenANewLink) {
  control.callMethod("Connect");
  control.callMethod("Beep");
  EXPECT_EQ(device->opens, 1);
  control.setProperty("ConnectionType", 6);
  control.callMethod("Beep");
  EXPECT_EQ(device->opens, 2);
  control.setProperty("Timeout", 250);  // the answer time needs no new link
  control.callMethod("Beep");
  EXPECT_EQ(device->opens, 2);
}

TEST_F(DeviceExchange, ANewLineSpeedIsSentAtTheOldOneAndUsedFromTheNextCall) {
  control.setProperty("ConnectionType", 0);
  control.setProperty("BaudRate", 6);
  ASSERT_EQ(control.callMethod("Connect"), 0);
  control.setProperty("BaudRate", 2);
  ASSERT_EQ(control.callMethod("SetExchangeParam"), 0);
  EXPECT_EQ(device->opens, 1);
  control.callMethod("Beep");
  EXPECT_EQ(device->opens, 2);
}

TEST_F(DeviceExchange, ExchangeParametersTravelWithTheirMethodsOnly) {
  control.setProperty("PortNumber", 128);
  control.setProperty("BaudRate", 2);
  control.setProperty("TCPPort", 4146);
  control.setProperty("Timeout", 150);
  ASSERT_EQ(control.callMethod("SetExchangeParam"), 0);
  EXPECT_EQ(device->methodRequest(0).inputs,
            (wire::Properties{{id("Password"), std::int32_t(30)},
                              {id("PortNumber"), std::int32_t(128)},
                              {id("SysAdminPassword"), std::int32_t(30)},
                              {id("UseReceiptRibbon"), true},
                              {id("BaudRate"), std::int32_t(2)},
                              {id("TCPPort"), std::int32_t(4146)},
                              {id("Timeout"), std::int32_t(150)}}));

  device->answer(0, {{id("BaudRate"), std::int32_t(6)}, {id("TCPPort"), std::int32_t(7778)}});
  ASSERT_EQ(control.callMethod("GetExchangeParam"), 0);
  EXPECT_TRUE(device->methodRequest(1).inputs.empty());
  EXPECT_EQ(control.getProperty("BaudRate"), DriverValue(std::int32_t(6)));
  EXPECT_EQ(control.getProperty("TCPPort"), DriverValue(std::int32_t(7778)));
}

struct RawCase {
  int conversion;
  QString transfer;
  QByteArray command;
  QString answer;  // the command comes back reversed
};

TEST_F(DeviceExchange, ExchangeBytesCarriesTransferBytesBothWays) {
  const RawCase cases[] = {
      {1, "10 1E", QByteArray("\x10\x1e"), "1E 10"},
      {1, "fc", QByteArray("\xfc"), "FC"},
      {1, "13 1 ZZ 05", QByteArray("\x13\x01"), "01 13"},
      {0, QString::fromLatin1("\x01\xff"), QByteArray("\x01\xff"), QString::fromLatin1("\xff\x01")},
  };
  for (const RawCase& c : cases) {
    device->answer(55);
    control.setProperty("BinaryConversion", c.conversion);
    control.setProperty("TransferBytes", c.transfer);
    EXPECT_EQ(control.callMethod("ExchangeBytes"), 55) << c.transfer.toStdString();
    EXPECT_EQ(std::get<wire::RawRequest>(device->requests.back()).command, c.command);
    EXPECT_EQ(control.getProperty("TransferBytes"), DriverValue(c.answer));
  }
}

TEST_F(DeviceExchange, ExchangeBytesRefusesWhatIsNoCommandWithoutSendingIt) {
  const std::pair<int, QString> refused[] = {
      {1, ""}, {1, "ZZ"}, {0, ""}, {0, "Ж"}, {2, "10"},
  };
  for (const auto& [conversion, transfer] : refused) {
    control.setProperty("BinaryConversion", conversion);
    control.setProperty("TransferBytes", transfer);
    EXPECT_EQ(control.callMethod("ExchangeBytes"), result::InvalidParameters)
        << transfer.toStdString();
  }
  EXPECT_TRUE(device->requests.empty());
}

TEST_F(DeviceExchange, ExchangeBytesAfterALostLinkLeavesNoStaleAnswer) {
  control.setProperty("BinaryConversion", 1);
  control.setProperty("TransferBytes", QStringLiteral("10"));
  device->reply([](const wire::Message&) { return std::nullopt; });
  EXPECT_EQ(control.callMethod("ExchangeBytes"), result::NoConnection);
  EXPECT_EQ(control.getProperty("TransferBytes"), DriverValue(QString()));
}

}  // namespace
