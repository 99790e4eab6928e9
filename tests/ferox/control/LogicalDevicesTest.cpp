#include "ControlTestSupport.h"
#include "ResultCodes.h"

#include <QFileInfo>
#include <QProcess>

#include <gtest/gtest.h>

namespace {

struct Device {
  QString name;
  int comNumber;
  int baudRate;
  QString computer;
  int timeout;
};

void putParameters(FeroxControl& control, const Device& device) {
  control.setProperty("LDName", device.name);
  control.setProperty("LDComNumber", device.comNumber);
  control.setProperty("LDBaudrate", device.baudRate);
  control.setProperty("LDComputerName", device.computer);
  control.setProperty("LDTimeout", device.timeout);
}

Device shownParameters(FeroxControl& control) {
  return {valueToText(control.getProperty("LDName")),
          valueToInt(control.getProperty("LDComNumber")),
          valueToInt(control.getProperty("LDBaudrate")),
          valueToText(control.getProperty("LDComputerName")),
          valueToInt(control.getProperty("LDTimeout"))};
}

int intProperty(FeroxControl& control, const char* name) {
  return valueToInt(control.getProperty(name));
}

void expectShown(FeroxControl& control, const Device& expected) {
  const Device shown = shownParameters(control);
  EXPECT_EQ(shown.name, expected.name);
  EXPECT_EQ(shown.comNumber, expected.comNumber);
  EXPECT_EQ(shown.baudRate, expected.baudRate);
  EXPECT_EQ(shown.computer, expected.computer);
  EXPECT_EQ(shown.timeout, expected.timeout);
}

const Device kitchen{"Кухня", 3, 6, "KITCHEN-PC", 150};
const Device hall{"Зал", 4, 2, "", 1000};

class LogicalDevices : public ::testing::Test {
 protected:
  CleanProfile profile;
  FeroxControl control;
};

TEST_F(LogicalDevices, AreKeptForTheUserAndSeenByEveryControl) {
  putParameters(control, kitchen);
  ASSERT_EQ(control.callMethod("AddLD"), 0);
  EXPECT_EQ(intProperty(control, "LDNumber"), 1);
  putParameters(control, hall);
  ASSERT_EQ(control.callMethod("AddLD"), 0);
  EXPECT_EQ(intProperty(control, "LDNumber"), 2);
  EXPECT_EQ(intProperty(control, "LDCount"), 2);
  EXPECT_TRUE(QFileInfo::exists(profile.path("ferox.ini")));

  FeroxControl later;
  ASSERT_EQ(later.callMethod("GetCountLD"), 0);
  EXPECT_EQ(intProperty(later, "LDCount"), 2);
  later.setProperty("LDIndex", 0);
  ASSERT_EQ(later.callMethod("EnumLD"), 0);
  expectShown(later, kitchen);
  EXPECT_EQ(intProperty(later, "LDNumber"), 1);
  later.setProperty("LDNumber", 2);
  ASSERT_EQ(later.callMethod("GetParamLD"), 0);
  expectShown(later, hall);
  EXPECT_EQ(intProperty(later, "LDIndex"), 1);
}

TEST_F(LogicalDevices, ChangeAndDeleteByNumberWithoutReusingNumbers) {
  putParameters(control, kitchen);
  control.callMethod("AddLD");
  putParameters(control, hall);
  control.callMethod("AddLD");

  control.setProperty("LDNumber", 1);
  putParameters(control, {"Кухня 2", 5, 9, "K2", 0});
  ASSERT_EQ(control.callMethod("SetParamLD"), 0);
  control.setProperty("LDNumber", 2);
  ASSERT_EQ(control.callMethod("DeleteLD"), 0);
  EXPECT_EQ(intProperty(control, "LDCount"), 1);

  putParameters(control, hall);
  ASSERT_EQ(control.callMethod("AddLD"), 0);
  EXPECT_EQ(intProperty(control, "LDNumber"), 2);
  control.setProperty("LDIndex", 0);
  ASSERT_EQ(control.callMethod("EnumLD"), 0);
  expectShown(control, {"Кухня 2", 5, 9, "K2", 0});
}

TEST_F(LogicalDevices, TheActiveDeviceSetsTheConnectionAndIsRemembered) {
  putParameters(control, kitchen);
  control.callMethod("AddLD");
  putParameters(control, hall);
  control.callMethod("AddLD");
  control.setProperty("LDNumber", 1);
  ASSERT_EQ(control.callMethod("SetActiveLD"), 0);
  EXPECT_EQ(intProperty(control, "ComNumber"), 3);
  EXPECT_EQ(intProperty(control, "BaudRate"), 6);
  EXPECT_EQ(intProperty(control, "Timeout"), 150);
  EXPECT_EQ(valueToText(control.getProperty("ComputerName")), "KITCHEN-PC");

  FeroxControl later;
  ASSERT_EQ(later.callMethod("GetActiveLD"), 0);
  EXPECT_EQ(intProperty(later, "LDNumber"), 1);
  expectShown(later, kitchen);

  later.setProperty("LDNumber", 1);
  ASSERT_EQ(later.callMethod("DeleteLD"), 0);
  EXPECT_EQ(later.callMethod("GetActiveLD"), result::InvalidParameters);
}

TEST_F(LogicalDevices, ProgramsAddingAtOnceKeepEveryDevice) {
  QProcess first;
  QProcess second;
  for (QProcess* program : {&first, &second})
    program->start(QStringLiteral(CONTROL_HELPER),
                   {QStringLiteral("add-ld"), QStringLiteral("15")});
  for (QProcess* program : {&first, &second}) {
    ASSERT_TRUE(program->waitForFinished(60000));
    EXPECT_EQ(program->exitCode(), 0);
  }
  ASSERT_EQ(control.callMethod("GetCountLD"), 0);
  EXPECT_EQ(intProperty(control, "LDCount"), 30);
  control.setProperty("LDIndex", 29);
  ASSERT_EQ(control.callMethod("EnumLD"), 0);
  EXPECT_EQ(intProperty(control, "LDNumber"), 30);
}

TEST_F(LogicalDevices, RefuseWhatIsNotThere) {
  struct Case {
    const char* method;
    const char* property;
    int value;
    std::int32_t result;
  };
  putParameters(control, kitchen);
  control.callMethod("AddLD");
  const Case cases[] = {
      {"DeleteLD", "LDNumber", 7, result::InvalidParameters},
      {"GetParamLD", "LDNumber", 0, result::InvalidParameters},
      {"SetParamLD", "LDNumber", 2, result::InvalidParameters},
      {"SetActiveLD", "LDNumber", -1, result::InvalidParameters},
      {"EnumLD", "LDIndex", 1, result::InvalidParameters},
      {"EnumLD", "LDIndex", -1, result::InvalidParameters},
      {"GetActiveLD", "LDNumber", 1, result::InvalidParameters},
  };
  for (const Case& c : cases) {
    control.setProperty(c.property, c.value);
    EXPECT_EQ(control.callMethod(c.method), c.result) << c.method << " " << c.value;
  }
  const Device invalid[] = {
      {"A", 0, 6, "", 0}, {"B", 257, 6, "", 0}, {"C", 1, 10, "", 0}, {"D", 1, 6, "", -5}};
  for (const Device& device : invalid) {
    putParameters(control, device);
    EXPECT_EQ(control.callMethod("AddLD"), result::InvalidSetting) << device.name.toStdString();
  }
  ASSERT_EQ(control.callMethod("GetCountLD"), 0);
  EXPECT_EQ(intProperty(control, "LDCount"), 1);
}

}  // namespace
