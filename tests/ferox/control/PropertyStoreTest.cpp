#include "ControlTestSupport.h"
#include "DriverErrors.h"
#include "ResultCodes.h"

#include <QSettings>

#include <gtest/gtest.h>

namespace {

class PropertyStore : public ::testing::Test {
 protected:
  CleanProfile profile;
  std::shared_ptr<ScriptedRegister> device = std::make_shared<ScriptedRegister>();
  FeroxControl control{fakeLinkFactory(device)};
};

struct StoreCase {
  const char* property;
  DriverValue written;
  DriverValue read;
};

TEST_F(PropertyStore, KeepsEachPropertyInItsTypeAndConvertsWhatConvertsLosslessly) {
  const StoreCase cases[] = {
      {"Password", std::int32_t(-7), std::int32_t(-7)},
      {"Password", QStringLiteral(" 42 "), std::int32_t(42)},
      {"CutType", QStringLiteral("-1"), true},
      {"CutType", std::int32_t(0), false},
      {"StringForPrinting", QStringLiteral("Хлеб №1"), QStringLiteral("Хлеб №1")},
      {"StringForPrinting", std::int32_t(12), QStringLiteral("12")},
      {"Summ1", QStringLiteral("12.3456"), Currency::fromString(u"12.3456")},
      {"Summ1", std::int32_t(5), Currency::fromString(u"5")},
      {"TagValueDateTime", QStringLiteral("2026-12-11T10:20:30"),
       QDateTime(QDate(2026, 12, 11), QTime(10, 20, 30))},
      {"BlockData", QStringLiteral("\x01\xff"), QByteArray("\x01\xff")},
  };
  for (const StoreCase& c : cases) {
    control.setProperty(c.property, c.written);
    EXPECT_EQ(control.getProperty(c.property), c.read)
        << c.property << " " << valueToText(c.written).toStdString();
  }
}

TEST_F(PropertyStore, RefusesUnknownNamesReadOnlyPropertiesAndValuesOfAnotherKind) {
  const std::pair<const char*, DriverValue> refusedWrites[] = {
      {"NoSuchProperty", std::int32_t(1)}, {"password", std::int32_t(1)},
      {"ResultCode", std::int32_t(0)},     {"ECRInput", QStringLiteral("02")},
      {"DriverBuild", std::int32_t(600)},  {"Password", QStringLiteral("тридцать")},
      {"Summ1", QStringLiteral("1,2,3")},  {"BlockData", QStringLiteral("Ж")},
  };
  for (const auto& [name, value] : refusedWrites)
    EXPECT_THROW(control.setProperty(name, value), DriverCallError) << name;
  EXPECT_EQ(control.getProperty("Password"), DriverValue(std::int32_t(30)));
  EXPECT_THROW(control.getProperty("NoSuchProperty"), DriverCallError);
  EXPECT_THROW(control.callMethod("NoSuchMethod"), DriverCallError);
  EXPECT_TRUE(device->requests.empty());
}

TEST_F(PropertyStore, ReportsItsVersionNotOlderThanThePrograms) {
  EXPECT_EQ(control.getProperty("DriverMajorVersion"), DriverValue(std::int32_t(4)));
  EXPECT_EQ(control.getProperty("DriverMinorVersion"), DriverValue(std::int32_t(13)));
  EXPECT_EQ(control.getProperty("DriverRelease"), DriverValue(std::int32_t(0)));
  EXPECT_GE(std::get<std::int32_t>(control.getProperty("DriverBuild")), 594);
  EXPECT_EQ(
      valueToText(control.getProperty("DriverVersion")),
      QStringLiteral("4.13.0.%1").arg(std::get<std::int32_t>(control.getProperty("DriverBuild"))));
}

TEST_F(PropertyStore, AFreshProfileConnectsToTheEmbeddedRegister) {
  EXPECT_EQ(control.getProperty("ConnectionType"), DriverValue(std::int32_t(100)));
  EXPECT_EQ(control.getProperty("TCPPort"), DriverValue(std::int32_t(7778)));
  EXPECT_EQ(control.getProperty("SysAdminPassword"), DriverValue(std::int32_t(30)));
  EXPECT_EQ(control.getProperty("Connected"), DriverValue(false));
}

TEST_F(PropertyStore, StartsFromTheSavedSettingsAndSkipsValuesThatAreNoValues) {
  QSettings settings(profile.path("ferox.ini"), QSettings::IniFormat);
  settings.setValue("Connection/ConnectionType", "6");
  settings.setValue("Connection/ComputerName", "kassa-2");
  settings.setValue("Connection/UseIPAddress", "-1");
  settings.setValue("Connection/TCPPort", "семь");
  settings.setValue("Connection/SysAdminPassword", "1");
  settings.sync();
  FeroxControl started{fakeLinkFactory(device)};
  EXPECT_EQ(started.getProperty("ConnectionType"), DriverValue(std::int32_t(6)));
  EXPECT_EQ(started.getProperty("ComputerName"), DriverValue(QStringLiteral("kassa-2")));
  EXPECT_EQ(started.getProperty("UseIPAddress"), DriverValue(true));
  EXPECT_EQ(started.getProperty("TCPPort"), DriverValue(std::int32_t(7778)));
  // Not a setting the user keeps: every control starts with the register's default.
  EXPECT_EQ(started.getProperty("SysAdminPassword"), DriverValue(std::int32_t(30)));
}

TEST_F(PropertyStore, SetsResultCodeAndDescriptionAfterEveryCall) {
  struct CallCase {
    const char* method;
    std::int32_t result;
  };
  device->answer(55);
  const CallCase calls[] = {
      {"Beep", 55},           // device call, the register's answer
      {"GetCountLD", 0},      // local call
      {"DeleteLD", 51},       // local call that fails: there is no device 0
      {"ExchangeBytes", 51},  // nothing to send
      {"Disconnect", 0},
  };
  for (const CallCase& call : calls) {
    EXPECT_EQ(control.callMethod(call.method), call.result) << call.method;
    EXPECT_EQ(control.getProperty("ResultCode"), DriverValue(call.result)) << call.method;
    EXPECT_EQ(control.getProperty("ResultCodeDescription"),
              DriverValue(resultCodeDescription(call.result)))
        << call.method;
  }
}

}  // namespace
