#include "CommandHandlers.h"

#include "Device.h"
#include "DeviceIdentity.h"
#include "DeviceStatus.h"
#include "DeviceTables.h"
#include "ResultCodes.h"

namespace status_commands {
namespace {

// What the register's sensors read while it is healthy.
constexpr double BatteryVoltage = 3.05;
constexpr double PowerSourceVoltage = 24.1;
constexpr int PrintHeadTemperature = 27;

constexpr int ShopNumberField = 1;  // in the cash register table
constexpr int InnField = 2;         // in the fiscal storage table

FieldValue settingOf(const Device& device, const TableSchema& table, int field) {
  return device_tables::read(device.store, *device.profile, table, 1, field);
}

}  // namespace

std::int32_t getECRStatus(Device& device, Call& call) {
  PropertyBag& out = call.properties;
  const ModelProfile& profile = *device.profile;
  const QDateTime now = device.clock.now();
  status::reportMode(device, out);
  status::reportFlags(device, out);
  out.setECRSoftVersion(QString::fromUtf16(profile.softVersion));
  out.setECRBuild(profile.softBuild);
  out.setECRSoftDate(wallClock(profile.softDate, QTime(0, 0)));
  out.setLogicalNumber(std::int32_t(
      std::get<std::int64_t>(settingOf(device, tables::cashRegister, ShopNumberField))));
  out.setOpenDocumentNumber(0);
  out.setPortNumber(call.linkInterface);
  out.setSessionNumber(0);
  out.setDate(wallClock(now.date(), QTime(0, 0)));
  out.setTime(now);
  out.setSerialNumber(identity::serialNumber(device));
  out.setINN(std::get<QString>(settingOf(device, tables::fiscalStorage, InnField)));
  return result::Ok;
}

std::int32_t getShortECRStatus(Device& device, Call& call) {
  PropertyBag& out = call.properties;
  status::reportMode(device, out);
  status::reportFlags(device, out);
  out.setQuantityOfOperations(0);
  out.setBatteryVoltage(BatteryVoltage);
  out.setPowerSourceVoltage(PowerSourceVoltage);
  out.setPreviousECRMode(device.previousMode);
  out.setPrinterHeadTemperature(PrintHeadTemperature);
  out.setLastPrintResult(device.printer.lastPrintResult());
  return result::Ok;
}

}  // namespace status_commands
