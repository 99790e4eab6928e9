#pragma once

#include "DriverSurface.h"
#include "ExchangeParams.h"
#include "PaperTape.h"
#include "PropertyBag.h"
#include "RawCommands.h"
#include "RegisterSettings.h"

#include <QByteArrayView>
#include <QString>

#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <span>
#include <string_view>

struct Call;
struct Device;

// The virtual cash register: a device model whose state lives in a state folder (an
// SQLite database, the paper tapes and register.ini). Many sessions may use one register;
// it serves one call at a time. A call that finds the link dropped by fault injection
// gets no answer at all (an empty optional).
class VirtualRegister {
 public:
  explicit VirtualRegister(const QString& stateDir);
  ~VirtualRegister();
  VirtualRegister(const VirtualRegister&) = delete;
  VirtualRegister& operator=(const VirtualRegister&) = delete;

  QString stateDir() const;
  // Empty when the state opened; otherwise why every command answers StorageFailure.
  QString storageError() const;

  // Runs a driver method on the caller's properties: reads its inputs there and leaves
  // its outputs there; sent names the properties the request carried. Unknown and
  // unimplemented methods answer NotSupported.
  std::optional<std::int32_t> callMethod(std::string_view method, PropertyBag& properties,
                                         std::span<const PropertyId> sent, int linkInterface);
  // Runs one command of the register's own byte command set.
  std::optional<RawReply> exchangeBytes(QByteArrayView command);

  // The settings of register.ini, re-read whenever the file changes. Settings given here
  // hold until then.
  RegisterSettings settings() const;
  void setSettings(const RegisterSettings& settings);
  QString settingsPath() const;

  QString serialNumber() const;
  ExchangeParams exchangeParams(int portNumber) const;
  QString tapePath(PaperTape::Station station) const;

 private:
  void refreshSettings();
  void apply(const RegisterSettings& settings);
  // The answer a fault gives instead of the command; none when the command runs.
  std::optional<std::int32_t> injectedFault(std::string_view method);
  std::int32_t dispatch(std::string_view method, Call& call);

  mutable std::mutex mutex_;
  std::unique_ptr<Device> device_;
  SettingsFile settingsFile_;
  RegisterSettings settings_;
  int busyLeft_ = 0;
};
