#include "RegisterFixture.h"
#include "ResultCodes.h"

#include <QFile>

namespace {

using P = PropertyId;

TEST_F(RegisterTest, AChosenMethodAnswersTheChosenCodeWithoutRunning) {
  configure([](RegisterSettings& s) {
    s.faults.method = QStringLiteral("PrintString");
    s.faults.methodResult = 107;
  });
  const wire::Properties print = asAdmin(
      {{P::UseReceiptRibbon, true}, {P::StringForPrinting, QStringLiteral("не напечатано")}});
  EXPECT_EQ(result("PrintString", print), 107);
  EXPECT_EQ(tape(), u"");
  EXPECT_EQ(result("PrintStringWithWrap", print), 0) << "other methods still run";
}

TEST_F(RegisterTest, BusyCodesForTheNextCallsThenWorkAsUsual) {
  configure([](RegisterSettings& s) {
    s.faults.busyCode = result::PrinterBusy75;
    s.faults.busyCount = 2;
  });
  EXPECT_EQ(result("GetShortECRStatus", asAdmin()), result::PrinterBusy75);
  EXPECT_EQ(raw(QByteArray("\x10\x1e\x00\x00\x00", 5)).answer, QByteArray("\x10\x4b", 2));
  EXPECT_EQ(result("GetShortECRStatus", asAdmin()), 0);
}

TEST_F(RegisterTest, ADroppedLinkAnswersNothingUntilItIsBack) {
  configure([](RegisterSettings& s) { s.faults.dropLink = true; });
  EXPECT_EQ(send(wire::encode(wire::MethodRequest{1, "GetDeviceMetrics", {}})), std::nullopt);
  EXPECT_TRUE(session->linkDropped());
  EXPECT_EQ(send(wire::encode(wire::RawRequest{2, QByteArray("\xfc", 1)})), std::nullopt);
  configure([](RegisterSettings& s) { s.faults.dropLink = false; });
  EXPECT_EQ(result("GetDeviceMetrics"), 0);
  EXPECT_FALSE(session->linkDropped());
}

void writeIni(const QString& path, const QByteArray& text) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
  file.write(text);
}

TEST_F(RegisterTest, RegisterIniIsReadAgainWhenItChanges) {
  writeIni(device->settingsPath(),
           "[Device]\nProfile=compact\n[Faults]\nBusyCode=80\nBusyCount=1\n");
  EXPECT_EQ(result("GetDeviceMetrics"), result::PrinterBusy80);
  ASSERT_EQ(result("GetDeviceMetrics"), 0);
  EXPECT_EQ(caller.UModel(), 14);

  writeIni(device->settingsPath(), "[Device]\nProfile=cashcore\n[Printer]\nCoverOpen=true\n");
  ASSERT_EQ(result("GetDeviceMetrics"), 0);
  EXPECT_EQ(caller.UModel(), 45);
  EXPECT_TRUE(device->settings().printer.coverOpen);

  QFile::remove(device->settingsPath());
  ASSERT_EQ(result("GetDeviceMetrics"), 0);
  EXPECT_EQ(caller.UModel(), 44) << "no file, the defaults";
}

TEST(RegisterSettingsFile, BadValuesKeepTheirDefaultsAndAreReported) {
  QTemporaryDir folder;
  const QString path = folder.filePath(QStringLiteral("register.ini"));
  writeIni(path,
           "[Device]\nProfile=nosuchmodel\n[Printer]\nReceiptPaper=maybe\n"
           "[Faults]\nBusyCode=81\nBusyCount=-2\nLatencyMs=5\nMethod=Beep\nResult=80\n");
  const LoadedSettings loaded = loadRegisterSettings(path);
  EXPECT_EQ(loaded.settings.profile, u"standard");
  EXPECT_TRUE(loaded.settings.printer.receiptPaper);
  EXPECT_EQ(loaded.settings.faults.busyCode, 80);
  EXPECT_EQ(loaded.settings.faults.busyCount, 0);
  EXPECT_EQ(loaded.settings.faults.latencyMs, 5);
  EXPECT_EQ(loaded.settings.faults.method, u"Beep");
  EXPECT_EQ(loaded.settings.faults.methodResult, 80);
  EXPECT_EQ(loaded.problems.size(), 4);
}

}  // namespace
