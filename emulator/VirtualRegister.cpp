#include "VirtualRegister.h"

#include "CommandTable.h"
#include "Device.h"
#include "DeviceIdentity.h"
#include "ResultCodes.h"

#include <QDebug>
#include <QDir>

#include <chrono>
#include <thread>

namespace {

const char SettingsFileName[] = "register.ini";
const char ExchangeBytesMethod[] = "ExchangeBytes";

}  // namespace

VirtualRegister::VirtualRegister(const QString& stateDir)
    : device_(std::make_unique<Device>(stateDir)),
      settingsFile_(QDir(stateDir).filePath(SettingsFileName)) {
  if (!device_->store.open(stateDir) || !device_->clock.start())
    qWarning().noquote() << QStringLiteral("Виртуальная ККТ: %1").arg(device_->store.error());
  std::lock_guard lock(mutex_);
  refreshSettings();
  device_->previousMode = mode::current(*device_);
}

VirtualRegister::~VirtualRegister() = default;

QString VirtualRegister::stateDir() const { return device_->folder; }

QString VirtualRegister::storageError() const {
  std::lock_guard lock(mutex_);
  return device_->store.isOpen() ? QString() : device_->store.error();
}

QString VirtualRegister::settingsPath() const { return settingsFile_.path(); }

void VirtualRegister::refreshSettings() {
  const auto loaded = settingsFile_.reloadIfChanged();
  if (!loaded) return;
  for (const QString& problem : loaded->problems)
    qWarning().noquote() << QStringLiteral("%1: %2").arg(settingsFile_.path(), problem);
  apply(loaded->settings);
}

void VirtualRegister::apply(const RegisterSettings& settings) {
  settings_ = settings;
  device_->profile = findProfile(settings.profile);
  if (!device_->profile) device_->profile = &defaultProfile();
  device_->printer.configure(*device_->profile, settings.printer);
  busyLeft_ = settings.faults.busyCount;
  if (device_->store.isOpen() && !identity::ensureSerialNumber(*device_))
    qWarning().noquote() << QStringLiteral("Виртуальная ККТ: %1").arg(device_->store.error());
}

RegisterSettings VirtualRegister::settings() const {
  std::lock_guard lock(mutex_);
  return settings_;
}

void VirtualRegister::setSettings(const RegisterSettings& settings) {
  std::lock_guard lock(mutex_);
  apply(settings);
}

std::optional<std::int32_t> VirtualRegister::injectedFault(std::string_view method) {
  const FaultSettings& faults = settings_.faults;
  if (faults.latencyMs > 0)
    std::this_thread::sleep_for(std::chrono::milliseconds(faults.latencyMs));
  if (busyLeft_ > 0) {
    --busyLeft_;
    return faults.busyCode;
  }
  if (!faults.method.isEmpty() && faults.method == QLatin1StringView(method))
    return faults.methodResult;
  if (!device_->store.isOpen()) return result::StorageFailure;
  return std::nullopt;
}

std::int32_t VirtualRegister::dispatch(std::string_view method, Call& call) {
  const Command* command = findCommand(method);
  if (!command) return result::NotSupported;
  const Admission admission = admit(*device_, command->access, call.properties.Password());
  if (admission.code != result::Ok) return admission.code;
  if (admission.operatorNumber > 0) call.properties.setOperatorNumber(admission.operatorNumber);
  if (!mode::allows(command->modes, mode::current(*device_))) return result::WrongMode;
  return command->run(*device_, call);
}

std::optional<std::int32_t> VirtualRegister::callMethod(std::string_view method,
                                                        PropertyBag& properties,
                                                        std::span<const PropertyId> sent,
                                                        int linkInterface) {
  std::lock_guard lock(mutex_);
  refreshSettings();
  if (settings_.faults.dropLink) return std::nullopt;
  if (const auto fault = injectedFault(method)) return fault;
  const int modeBefore = mode::current(*device_);
  Call call{properties, sent, linkInterface};
  const std::int32_t code = dispatch(method, call);
  if (mode::current(*device_) != modeBefore) device_->previousMode = modeBefore;
  return code;
}

std::optional<RawReply> VirtualRegister::exchangeBytes(QByteArrayView command) {
  std::lock_guard lock(mutex_);
  refreshSettings();
  if (settings_.faults.dropLink) return std::nullopt;
  if (const auto fault = injectedFault(ExchangeBytesMethod))
    return refuseRawCommand(command, *fault);
  const int modeBefore = mode::current(*device_);
  RawReply reply = runRawCommand(*device_, command);
  if (mode::current(*device_) != modeBefore) device_->previousMode = modeBefore;
  return reply;
}

QString VirtualRegister::serialNumber() const {
  std::lock_guard lock(mutex_);
  return identity::serialNumber(*device_);
}

ExchangeParams VirtualRegister::exchangeParams(int portNumber) const {
  std::lock_guard lock(mutex_);
  return exchange_params::read(device_->store, portNumber);
}

QString VirtualRegister::tapePath(PaperTape::Station station) const {
  return QDir(device_->folder).filePath(PaperTape::fileName(station));
}
