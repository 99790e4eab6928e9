#include "CliProcess.h"
#include "DriverErrors.h"
#include "HexText.h"
#include "ObservedControl.h"
#include "RegisterUnderTest.h"
#include "ResultCodes.h"
#include "TDriver.h"

#include <QDate>
#include <QProcess>
#include <QTime>

#include <gtest/gtest.h>

#include <cstdlib>

// The driver's flows against the virtual register on every transport: in this process,
// over TCP to the daemon, and over the daemon's pseudo-terminal line.
namespace {

class RegisterFlow : public ::testing::TestWithParam<Transport> {
 protected:
  RegisterUnderTest device{GetParam()};
  std::unique_ptr<FeroxControl> control = device.newControl();

  std::int32_t call(const char* method) { return control->callMethod(method); }
  void set(const char* property, const DriverValue& value) {
    control->setProperty(property, value);
  }
  DriverValue get(const char* property) { return control->getProperty(property); }
};

TEST_P(RegisterFlow, ConnectsAndReportsItsStatus) {
  ASSERT_EQ(call("Connect"), result::Ok);
  EXPECT_EQ(get("Connected"), DriverValue(true));
  EXPECT_NE(get("UDescription"), DriverValue(QString())) << "Connect asks the model";

  EXPECT_EQ(call("GetShortECRStatus"), result::Ok);
  EXPECT_EQ(get("ECRMode"), DriverValue(std::int32_t(4)));
  EXPECT_EQ(get("ECRModeDescription"), DriverValue(QStringLiteral("Смена закрыта")));
  EXPECT_EQ(call("GetECRStatus"), result::Ok);
  EXPECT_EQ(get("OperatorNumber"), DriverValue(std::int32_t(30)));
  // The register's clock is the host's: the same day, give or take a midnight.
  EXPECT_LE(std::abs(valueToDateTime(get("Date")).date().daysTo(QDate::currentDate())), 1);

  set("Password", std::int32_t(12345));
  EXPECT_EQ(call("GetECRStatus"), result::WrongPassword);
  EXPECT_EQ(get("ResultCodeDescription"),
            DriverValue(resultCodeDescription(result::WrongPassword)));
}

TEST_P(RegisterFlow, SetsAndConfirmsTheDateAndSetsTheTime) {
  const QDate date(2031, 5, 17);
  set("Date", QDateTime(date, QTime(0, 0)));
  ASSERT_EQ(call("SetDate"), result::Ok);
  ASSERT_EQ(call("GetShortECRStatus"), result::Ok);
  EXPECT_EQ(get("ECRMode"), DriverValue(std::int32_t(6))) << "waiting for the confirmation";

  set("Date", QDateTime(date.addDays(1), QTime(0, 0)));
  EXPECT_EQ(call("ConfirmDate"), result::DateMismatch);
  set("Date", QDateTime(date, QTime(0, 0)));
  EXPECT_EQ(call("ConfirmDate"), result::Ok);
  EXPECT_EQ(call("ConfirmDate"), result::DateNotEntered);

  set("Time", QDateTime(QDate(1899, 12, 30), QTime(9, 15, 0)));
  ASSERT_EQ(call("SetTime"), result::Ok);
  ASSERT_EQ(call("GetECRStatus"), result::Ok);
  EXPECT_EQ(get("ECRMode"), DriverValue(std::int32_t(4)));
  EXPECT_EQ(valueToDateTime(get("Date")).date(), date);
  const QTime time = valueToDateTime(get("Time")).time();
  EXPECT_GE(time, QTime(9, 15, 0));
  EXPECT_LT(time, QTime(9, 16, 0));

  set("Date", QDateTime(QDate(1999, 12, 31), QTime(0, 0)));
  EXPECT_EQ(call("SetDate"), result::InvalidDate);
}

struct FieldWrite {
  int table, row, field;
  DriverValue value;  // an integer goes to ValueOfFieldInteger, a text to ValueOfFieldString
  std::int32_t result;
};

TEST_P(RegisterFlow, WritesTableFieldsAndRefusesBadValues) {
  const QString department = QStringLiteral("ОТДЕЛ ТЕСТОВ");
  const FieldWrite writes[] = {
      {1, 1, 1, std::int32_t(42), result::Ok},
      {1, 1, 1, std::int32_t(100), result::FieldValueOutOfRange},
      {1, 1, 1, std::int32_t(0), result::FieldValueOutOfRange},
      {1, 1, 1, QStringLiteral("сорок"), result::FieldValueNotNumber},
      {6, 3, 1, department, result::Ok},
      {6, 3, 1, QStringLiteral("ЭТО НАЗВАНИЕ ДЛИННЕЕ ДВАДЦАТИ ЧЕТЫРЁХ"), result::FieldTextTooLong},
      {6, 17, 1, department, result::NoSuchTableItem},
      {6, 3, 2, department, result::NoSuchTableItem},
      {99, 1, 1, std::int32_t(1), result::NoSuchTableItem},
  };
  for (const FieldWrite& write : writes) {
    set("TableNumber", write.table);
    set("RowNumber", write.row);
    set("FieldNumber", write.field);
    set(std::holds_alternative<QString>(write.value) ? "ValueOfFieldString" : "ValueOfFieldInteger",
        write.value);
    EXPECT_EQ(call("WriteTable"), write.result)
        << write.table << "." << write.row << "." << write.field << " = "
        << valueToText(write.value).toStdString();
  }

  set("TableNumber", 1);
  set("RowNumber", 1);
  set("FieldNumber", 1);
  ASSERT_EQ(call("ReadTable"), result::Ok);
  EXPECT_EQ(get("ValueOfFieldInteger"), DriverValue(std::int32_t(42)));
  EXPECT_EQ(get("MAXValueOfField"), DriverValue(std::int32_t(99)));
  set("TableNumber", 6);
  set("RowNumber", 3);
  ASSERT_EQ(call("ReadTable"), result::Ok);
  EXPECT_EQ(get("ValueOfFieldString"), DriverValue(department));
}

TEST_P(RegisterFlow, PrintsStringsOntoTheTape) {
  const std::pair<const char*, QString> prints[] = {
      {"PrintString",
       QStringLiteral("ОБЫЧНАЯ СТРОКА %1").arg(QString::fromStdString(transportName(GetParam())))},
      {"PrintStringWithFont", QStringLiteral("Строка шрифтом 2")},
      {"PrintStringWithWrap", QStringLiteral("Перенос длинной строки")},
  };
  set("UseReceiptRibbon", true);
  set("FontType", 2);
  for (const auto& [method, text] : prints) {
    set("StringForPrinting", text);
    EXPECT_EQ(call(method), result::Ok) << method;
  }
  const QString tape = device.tape();
  for (const auto& [method, text] : prints) EXPECT_TRUE(tape.contains(text)) << method;

  set("UseReceiptRibbon", false);
  set("UseJournalRibbon", false);
  EXPECT_EQ(call("PrintString"), result::InvalidParameters) << "no station chosen";
}

TEST_P(RegisterFlow, AnswersRawCommandsAndRefusesUnknownOnes) {
  TDriver driver(device.newControl());
  QByteArray answer;
  EXPECT_EQ(driver.SendCommand(QByteArray::fromHex("101E000000"), answer), result::Ok);
  EXPECT_EQ(answer.left(3), QByteArray::fromHex("10001E")) << "code, no error, operator 30";
  EXPECT_FALSE(driver.ECRInput().isEmpty());
  EXPECT_TRUE(driver.ECROutput().startsWith(QStringLiteral("02 "))) << "the real frame bytes";

  EXPECT_EQ(driver.SendCommand(QByteArray::fromHex("FC"), answer), result::Ok);
  EXPECT_EQ(answer.left(2), QByteArray::fromHex("FC00"));

  EXPECT_EQ(driver.SendCommand(QByteArray::fromHex("A7"), answer), result::NotSupported);
  EXPECT_EQ(answer, QByteArray::fromHex("A737"));
  EXPECT_EQ(driver.ResultCodeDescription(), resultCodeDescription(result::NotSupported));
}

struct BusySpell {
  const char* name;
  QByteArray settings;  // register.ini from the moment the first line goes to print
  int attempts;         // calls of PrintStringWithFont that PrintText makes
  bool printed;
};

TEST_P(RegisterFlow, PrintTextWaitsOutABusyPrinterAndGivesUpOnAStuckOne) {
  const BusySpell spells[] = {
      {"busy twice", "[Faults]\nBusyCode=80\nBusyCount=2\n", 3, true},
      {"busy four times with 75", "[Faults]\nBusyCode=75\nBusyCount=4\n", 5, true},
      {"busy for ever", "[Faults]\nMethod=PrintStringWithFont\nResult=80\n", 5, false},
  };
  for (const BusySpell& spell : spells) {
    SCOPED_TRACE(spell.name);
    device.writeSettings({});
    auto observed = std::make_unique<ObservedControl>(device.newControl());
    ObservedControl& calls = *observed;
    TDriver driver(std::move(observed));
    driver.setUseReceiptRibbon(true);
    // The printer turns busy once the width of the font is known and printing starts.
    calls.beforeFirstCall("PrintStringWithFont", [&] { device.writeSettings(spell.settings); });
    const QString text = QStringLiteral("ПОСЛЕ ОЖИДАНИЯ: %1").arg(QString::fromLatin1(spell.name));
    if (spell.printed) {
      EXPECT_NO_THROW(driver.PrintText(text, 1));
      EXPECT_EQ(driver.ResultCode(), result::Ok);
    } else {
      EXPECT_THROW(driver.PrintText(text, 1), SilentAbort);
      EXPECT_EQ(driver.ResultCode(), result::PrinterBusy80);
    }
    EXPECT_EQ(calls.calls("PrintStringWithFont"), spell.attempts);
    EXPECT_EQ(device.tape().contains(text), spell.printed);
  }
}

TEST_P(RegisterFlow, APortLockedByAnotherProcessIsRefused) {
  QProcess holder;
  holder.start(cliProgram(), device.cliDeviceArguments() << QStringLiteral("-"));
  holder.write("call LockPort\n");
  QByteArray heard;
  while (!heard.contains('\n') && holder.waitForReadyRead(10000))
    heard += holder.readAllStandardOutput();
  ASSERT_TRUE(heard.startsWith("LockPort: 0 "))
      << heard.constData() << holder.readAllStandardError().constData();

  EXPECT_EQ(call("LockPort"), result::PortBusy);
  EXPECT_EQ(get("ResultCodeDescription"), DriverValue(resultCodeDescription(result::PortBusy)));

  holder.closeWriteChannel();
  ASSERT_TRUE(holder.waitForFinished(10000));
  EXPECT_EQ(holder.exitCode(), 0);
  EXPECT_EQ(call("LockPort"), result::Ok) << "the lock went with its holder";
  EXPECT_EQ(call("UnlockPort"), result::Ok);
}

INSTANTIATE_TEST_SUITE_P(Transports, RegisterFlow,
                         ::testing::Values(Transport::Embedded, Transport::Tcp,
                                           Transport::PseudoTerminal),
                         [](const auto& info) { return transportName(info.param); });

}  // namespace
