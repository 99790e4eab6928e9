#include "LogicalDevices.h"

#include "BaudRates.h"
#include "ControlSettings.h"
#include "DriverErrors.h"
#include "FeroxPaths.h"
#include "PortMap.h"
#include "ResultCodes.h"

#include <QDir>
#include <QLockFile>
#include <QSettings>

#include <algorithm>
#include <vector>

namespace logical_devices {
namespace {

struct Device {
  int number = 0;
  QString name;
  int comNumber = 1;
  int baudRate = 0;
  QString computerName;
  int timeout = 0;
};

constexpr int lockWait = 5000;  // ms
const QString arrayName = QStringLiteral("LogicalDevices");
const QString activeKey = QStringLiteral("ActiveLogicalDevice/Number");

std::vector<Device> readDevices(QSettings& settings) {
  std::vector<Device> devices;
  const int size = settings.beginReadArray(arrayName);
  for (int i = 0; i < size; ++i) {
    settings.setArrayIndex(i);
    devices.push_back({settings.value("Number").toInt(), settings.value("Name").toString(),
                       settings.value("ComNumber").toInt(), settings.value("Baudrate").toInt(),
                       settings.value("ComputerName").toString(),
                       settings.value("Timeout").toInt()});
  }
  settings.endArray();
  return devices;
}

void writeDevices(QSettings& settings, const std::vector<Device>& devices) {
  settings.remove(arrayName);
  settings.beginWriteArray(arrayName, int(devices.size()));
  for (int i = 0; i < int(devices.size()); ++i) {
    const Device& device = devices[std::size_t(i)];
    settings.setArrayIndex(i);
    settings.setValue("Number", device.number);
    settings.setValue("Name", device.name);
    settings.setValue("ComNumber", device.comNumber);
    settings.setValue("Baudrate", device.baudRate);
    settings.setValue("ComputerName", device.computerName);
    settings.setValue("Timeout", device.timeout);
  }
  settings.endArray();
  commitSettings(settings);
}

// The parameters in the LD* properties, or nothing when they are out of range.
std::optional<Device> deviceFromProperties(const PropertyBag& properties) {
  const Device device{properties.LDNumber(),       properties.LDName(),
                      properties.LDComNumber(),    properties.LDBaudrate(),
                      properties.LDComputerName(), properties.LDTimeout()};
  const bool valid = device.comNumber >= MinComNumber && device.comNumber <= MaxComNumber &&
                     baudRateOfCode(device.baudRate) && device.timeout >= 0;
  return valid ? std::optional(device) : std::nullopt;
}

void showDevice(PropertyBag& properties, const std::vector<Device>& devices,
                std::vector<Device>::const_iterator device) {
  properties.setLDNumber(device->number);
  properties.setLDName(device->name);
  properties.setLDComNumber(device->comNumber);
  properties.setLDBaudrate(device->baudRate);
  properties.setLDComputerName(device->computerName);
  properties.setLDTimeout(device->timeout);
  properties.setLDIndex(int(device - devices.begin()));
  properties.setLDCount(int(devices.size()));
}

auto findNumber(std::vector<Device>& devices, int number) {
  return std::ranges::find(devices, number, &Device::number);
}

// Runs one operation on the list read from the settings file. The list is read, changed
// and written under a lock, so that two programs adding devices at once both keep theirs.
template <class Operation>
std::int32_t withDevices(Operation operation) {
  QDir().mkpath(feroxSettingsDir());
  // Not the settings file's own ".lock": QSettings takes that one while it writes.
  QLockFile lock(feroxSettingsFile() + QStringLiteral(".devices.lock"));
  if (!lock.tryLock(lockWait))
    throw DriverCallError(QStringLiteral("Файл настроек драйвера %1 занят другой программой")
                              .arg(feroxSettingsFile()));
  QSettings settings(feroxSettingsFile(), QSettings::IniFormat);
  std::vector<Device> devices = readDevices(settings);
  return operation(settings, devices);
}

}  // namespace

std::int32_t add(PropertyBag& properties) {
  return withDevices([&](QSettings& settings, std::vector<Device>& devices) {
    auto device = deviceFromProperties(properties);
    if (!device) return result::InvalidSetting;
    const auto highest = std::ranges::max_element(devices, {}, &Device::number);
    device->number = highest == devices.end() ? 1 : highest->number + 1;
    devices.push_back(*device);
    writeDevices(settings, devices);
    showDevice(properties, devices, devices.end() - 1);
    return result::Ok;
  });
}

std::int32_t remove(PropertyBag& properties) {
  return withDevices([&](QSettings& settings, std::vector<Device>& devices) {
    const auto device = findNumber(devices, properties.LDNumber());
    if (device == devices.end()) return result::InvalidParameters;
    if (settings.value(activeKey).toInt() == device->number) settings.remove(activeKey);
    devices.erase(device);
    writeDevices(settings, devices);
    properties.setLDCount(int(devices.size()));
    return result::Ok;
  });
}

std::int32_t count(PropertyBag& properties) {
  return withDevices([&](QSettings&, std::vector<Device>& devices) {
    properties.setLDCount(int(devices.size()));
    return result::Ok;
  });
}

std::int32_t enumerate(PropertyBag& properties) {
  return withDevices([&](QSettings&, std::vector<Device>& devices) {
    const int index = properties.LDIndex();
    if (index < 0 || index >= int(devices.size())) return result::InvalidParameters;
    showDevice(properties, devices, devices.begin() + index);
    return result::Ok;
  });
}

std::int32_t setParams(PropertyBag& properties) {
  return withDevices([&](QSettings& settings, std::vector<Device>& devices) {
    const auto device = findNumber(devices, properties.LDNumber());
    if (device == devices.end()) return result::InvalidParameters;
    const auto changed = deviceFromProperties(properties);
    if (!changed) return result::InvalidSetting;
    *device = *changed;
    writeDevices(settings, devices);
    showDevice(properties, devices, device);
    return result::Ok;
  });
}

std::int32_t getParams(PropertyBag& properties) {
  return withDevices([&](QSettings&, std::vector<Device>& devices) {
    const auto device = findNumber(devices, properties.LDNumber());
    if (device == devices.end()) return result::InvalidParameters;
    showDevice(properties, devices, device);
    return result::Ok;
  });
}

std::int32_t setActive(PropertyBag& properties) {
  return withDevices([&](QSettings& settings, std::vector<Device>& devices) {
    const auto device = findNumber(devices, properties.LDNumber());
    if (device == devices.end()) return result::InvalidParameters;
    settings.setValue(activeKey, device->number);
    commitSettings(settings);
    properties.setComNumber(device->comNumber);
    properties.setBaudRate(device->baudRate);
    properties.setComputerName(device->computerName);
    properties.setTimeout(device->timeout);
    showDevice(properties, devices, device);
    return result::Ok;
  });
}

std::int32_t getActive(PropertyBag& properties) {
  return withDevices([&](QSettings& settings, std::vector<Device>& devices) {
    const auto device = findNumber(devices, settings.value(activeKey).toInt());
    if (device == devices.end()) return result::InvalidParameters;
    showDevice(properties, devices, device);
    return result::Ok;
  });
}

}  // namespace logical_devices
