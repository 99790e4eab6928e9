#include "ControlTestSupport.h"
#include "ResultCodes.h"
#include "SettingsDialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>

#include <gtest/gtest.h>

#include <thread>

namespace {

template <class Field>
Field* field(QWidget* dialog, const char* name) {
  auto* found = dialog->findChild<Field*>(QLatin1String(name));
  if (!found) throw std::logic_error(std::string("no field ") + name);
  return found;
}

void selectData(QComboBox* box, int value) { box->setCurrentIndex(box->findData(value)); }

// Runs the dialog that ShowProperties opens: fill acts on it, then the button is clicked.
void whenDialogOpens(std::function<void(QWidget*)> fill, QDialogButtonBox::StandardButton button) {
  QTimer::singleShot(0, [fill = std::move(fill), button] {
    QWidget* dialog = QApplication::activeModalWidget();
    ASSERT_NE(dialog, nullptr);
    fill(dialog);
    field<QDialogButtonBox>(dialog, "buttonBox")->button(button)->click();
  });
}

void fillTcpSettings(QWidget* dialog) {
  selectData(field<QComboBox>(dialog, "cbConnectionType"), 6);
  field<QLineEdit>(dialog, "edtComputerName")->setText(" kassa-1 ");
  field<QSpinBox>(dialog, "seTCPPort")->setValue(7790);
  field<QSpinBox>(dialog, "seTimeout")->setValue(2500);
  field<QSpinBox>(dialog, "seTCPConnectionTimeout")->setValue(900);
  field<QSpinBox>(dialog, "seConnectionTimeout")->setValue(12000);
  field<QSpinBox>(dialog, "sePassword")->setValue(7);
}

class SettingsDialog : public ::testing::Test {
 protected:
  CleanProfile profile;
  FeroxControl control;
};

TEST_F(SettingsDialog, OkTakesTheFieldsAndSavesThemForTheUser) {
  whenDialogOpens(fillTcpSettings, QDialogButtonBox::Ok);
  EXPECT_EQ(control.callMethod("ShowProperties"), 0);
  const std::pair<const char*, DriverValue> expected[] = {
      {"ConnectionType", std::int32_t(6)},
      {"ComputerName", QStringLiteral("kassa-1")},
      {"TCPPort", std::int32_t(7790)},
      {"Timeout", std::int32_t(2500)},
      {"TCPConnectionTimeout", std::int32_t(900)},
      {"ConnectionTimeout", std::int32_t(12000)},
      {"Password", std::int32_t(7)},
  };
  FeroxControl nextRun;
  for (const auto& [name, value] : expected) {
    EXPECT_EQ(control.getProperty(name), value) << name;
    EXPECT_EQ(nextRun.getProperty(name), value) << name;
  }
}

TEST_F(SettingsDialog, CancelChangesNothing) {
  whenDialogOpens(fillTcpSettings, QDialogButtonBox::Cancel);
  EXPECT_EQ(control.callMethod("ShowProperties"), 0);
  FeroxControl nextRun;
  for (FeroxControl* c : {&control, &nextRun}) {
    EXPECT_EQ(c->getProperty("ConnectionType"), DriverValue(std::int32_t(100)));
    EXPECT_EQ(c->getProperty("Password"), DriverValue(std::int32_t(30)));
  }
}

TEST_F(SettingsDialog, ShowsTheControlsValuesAndOffersOnlyTheFieldsOfTheChosenConnection) {
  control.setProperty("ConnectionType", 0);
  control.setProperty("ComNumber", 4);
  control.setProperty("BaudRate", 3);
  PropertyBag properties;
  properties.setConnectionType(0);
  properties.setComNumber(4);
  properties.setBaudRate(3);
  FeroxSettingsDialog dialog(properties);
  auto* type = field<QComboBox>(&dialog, "cbConnectionType");
  EXPECT_EQ(field<QComboBox>(&dialog, "cbComNumber")->currentText(), "COM4");
  EXPECT_EQ(field<QComboBox>(&dialog, "cbBaudRate")->currentText(), "19200");
  EXPECT_TRUE(field<QComboBox>(&dialog, "cbComNumber")->isEnabled());
  EXPECT_FALSE(field<QSpinBox>(&dialog, "seTCPPort")->isEnabled());

  selectData(type, 6);
  EXPECT_FALSE(field<QComboBox>(&dialog, "cbBaudRate")->isEnabled());
  EXPECT_TRUE(field<QLineEdit>(&dialog, "edtComputerName")->isEnabled());
  EXPECT_FALSE(field<QLineEdit>(&dialog, "edtIPAddress")->isEnabled());
  field<QCheckBox>(&dialog, "chkUseIPAddress")->setChecked(true);
  EXPECT_FALSE(field<QLineEdit>(&dialog, "edtComputerName")->isEnabled());
  EXPECT_TRUE(field<QLineEdit>(&dialog, "edtIPAddress")->isEnabled());

  selectData(type, 100);
  EXPECT_FALSE(field<QSpinBox>(&dialog, "seTCPPort")->isEnabled());
  EXPECT_FALSE(field<QComboBox>(&dialog, "cbComNumber")->isEnabled());
}

TEST_F(SettingsDialog, EveryFieldHasALabelThatLeadsToIt) {
  FeroxSettingsDialog dialog{PropertyBag()};
  int labelled = 0;
  for (QLabel* label : dialog.findChildren<QLabel*>()) {
    ASSERT_NE(label->buddy(), nullptr) << label->text().toStdString();
    ++labelled;
  }
  EXPECT_EQ(labelled, 10);
}

TEST_F(SettingsDialog, IsNotShownFromAWorkerThread) {
  std::int32_t result = 0;
  std::thread worker([&] { result = control.callMethod("ShowProperties"); });
  worker.join();
  EXPECT_EQ(result, result::NotSupported);
}

}  // namespace
