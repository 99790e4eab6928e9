#include "FeroxControl.h"

#include "ControlSettings.h"
#include "DeviceSearch.h"
#include "DriverErrors.h"
#include "DriverVersion.h"
#include "HexText.h"
#include "LogicalDevices.h"
#include "PortMap.h"
#include "RepeatWithin.h"
#include "ResultCodes.h"
#include "ShowSettingsDialog.h"

namespace {

using std::chrono::milliseconds;

// A device search that is given no SearchTimeout waits this long for each answer.
constexpr milliseconds defaultProbeTimeout{500};
constexpr milliseconds connectionRetryPause{100};
constexpr milliseconds busyRetryPause{50};

// Connecting asks the register who it is: a request that every register answers, with
// no password, and that fills the model's description for the caller.
constexpr std::string_view presenceCheck = "GetDeviceMetrics";

// The register's mode while a receipt or another document is open.
constexpr int documentOpenMode = 8;

QString nameText(std::string_view name) {
  return QString::fromLatin1(name.data(), qsizetype(name.size()));
}

const PropertyInfo& knownProperty(std::string_view name) {
  const PropertyInfo* info = findProperty(name);
  if (!info)
    throw DriverCallError(
        QStringLiteral("Неизвестное свойство драйвера \"%1\"").arg(nameText(name)));
  return *info;
}

bool isBusy(std::int32_t code) {
  return code == result::PrinterBusy80 || code == result::PrinterBusy75;
}

// A link that failed may work a moment later; a setting that is wrong stays wrong.
bool mayConnectLater(std::int32_t code) {
  return code < result::Ok && code != result::InvalidSetting;
}

void setDriverVersion(PropertyBag& properties) {
  using namespace driver_version;
  properties.setDriverMajorVersion(Major);
  properties.setDriverMinorVersion(Minor);
  properties.setDriverRelease(Release);
  properties.setDriverBuild(Build);
  properties.setDriverVersion(
      QStringLiteral("%1.%2.%3.%4").arg(Major).arg(Minor).arg(Release).arg(Build));
}

}  // namespace

FeroxControl::FeroxControl() : FeroxControl(standardLinkFactory(savedEmbeddedStateDir())) {}

FeroxControl::FeroxControl(LinkFactory linkFactory)
    : linkFactory_(std::move(linkFactory)), client_(linkFactory_) {
  loadControlSettings(properties_);
  setDriverVersion(properties_);
  finish(result::Ok);
}

FeroxControl::~FeroxControl() = default;

DriverValue FeroxControl::getProperty(std::string_view name) {
  return properties_.get(knownProperty(name).id);
}

void FeroxControl::setProperty(std::string_view name, const DriverValue& value) {
  const PropertyInfo& info = knownProperty(name);
  if (info.readOnly)
    throw DriverCallError(
        QStringLiteral("Свойство драйвера \"%1\" доступно только для чтения").arg(nameText(name)));
  if (info.id == PropertyId::Connected) {
    finish(valueToBool(value) ? connect() : disconnect());
    return;
  }
  properties_.set(info.id, value);
}

std::int32_t FeroxControl::callMethod(std::string_view name) {
  const MethodInfo* info = findMethod(name);
  if (!info)
    throw DriverCallError(QStringLiteral("Неизвестный метод драйвера \"%1\"").arg(nameText(name)));
  return finish(run(info->id));
}

std::int32_t FeroxControl::finish(std::int32_t code) {
  properties_.setResultCode(code);
  properties_.setResultCodeDescription(resultCodeDescription(code));
  properties_.setConnected(client_.isOpen());
  return code;
}

std::int32_t FeroxControl::run(MethodId method) {
  namespace ld = logical_devices;
  switch (method) {
    case MethodId::Connect:
      return connect();
    case MethodId::Disconnect:
      return disconnect();
    case MethodId::WaitConnection:
      return waitConnection();
    case MethodId::WaitForPrinting:
      return waitForPrinting();
    case MethodId::WaitForCheckClose:
      return waitForCheckClose();
    case MethodId::SetExchangeParam:
      return setExchangeParam();
    case MethodId::ExchangeBytes:
      return exchangeBytes();
    case MethodId::LockPort:
      return lockPort();
    case MethodId::UnlockPort:
      portLock_.unlock();
      return result::Ok;
    case MethodId::AdminUnlockPort:
      PortLock::breakLock(portName());
      return result::Ok;
    case MethodId::AdminUnlockPorts:
      PortLock::breakAllLocks();
      return result::Ok;
    case MethodId::FindDevice:
      return findDevice();
    case MethodId::AddLD:
      return ld::add(properties_);
    case MethodId::DeleteLD:
      return ld::remove(properties_);
    case MethodId::GetCountLD:
      return ld::count(properties_);
    case MethodId::EnumLD:
      return ld::enumerate(properties_);
    case MethodId::SetParamLD:
      return ld::setParams(properties_);
    case MethodId::GetParamLD:
      return ld::getParams(properties_);
    case MethodId::SetActiveLD:
      return ld::setActive(properties_);
    case MethodId::GetActiveLD:
      return ld::getActive(properties_);
    case MethodId::ShowProperties:
      return showSettingsDialog(properties_);
    default:
      return callDevice(methodInfo(method).name);
  }
}

std::int32_t FeroxControl::callDevice(std::string_view method,
                                      const wire::Properties& extraInputs,
                                      RegisterClient::LinkChoice linkChoice) {
  const RegisterClient::Exchange exchange =
      client_.callMethod(method, properties_, extraInputs, linkChoice);
  showExchange(exchange);
  return exchange.result;
}

void FeroxControl::showExchange(const RegisterClient::Exchange& exchange) {
  properties_.setECRInput(bytesToHexText(exchange.sent));
  properties_.setECROutput(bytesToHexText(exchange.received));
}

std::int32_t FeroxControl::connect() { return callDevice(presenceCheck); }

std::int32_t FeroxControl::disconnect() {
  client_.close();
  return result::Ok;
}

std::int32_t FeroxControl::waitConnection() {
  return repeatWithin(
      milliseconds(properties_.ConnectionTimeout()), connectionRetryPause,
      [this] { return connect(); }, mayConnectLater);
}

std::int32_t FeroxControl::waitForPrinting() {
  return repeatWithin(
      milliseconds(properties_.ConnectionTimeout()), busyRetryPause,
      [this] { return callDevice("WaitForPrinting"); }, isBusy);
}

std::int32_t FeroxControl::waitForCheckClose() {
  bool documentOpen = false;
  const std::int32_t code = repeatWithin(
      milliseconds(properties_.ConnectionTimeout()), busyRetryPause,
      [this, &documentOpen] {
        const std::int32_t status = callDevice("GetShortECRStatus");
        documentOpen = status == result::Ok && properties_.ECRMode() == documentOpenMode;
        return status;
      },
      [&documentOpen](std::int32_t status) { return documentOpen || isBusy(status); });
  return documentOpen ? result::WaitTimedOut : code;
}

// The device's exchange parameters share their names with the control's connection
// settings, so they are sent explicitly rather than as changes.
// The new speed goes to the device over the line as it is now; the next call finds the
// line's settings changed and reopens it at the new speed.
std::int32_t FeroxControl::setExchangeParam() {
  return callDevice("SetExchangeParam",
                    {{PropertyId::BaudRate, properties_.get(PropertyId::BaudRate)},
                     {PropertyId::TCPPort, properties_.get(PropertyId::TCPPort)},
                     {PropertyId::Timeout, properties_.get(PropertyId::Timeout)}},
                    RegisterClient::LinkChoice::Current);
}

std::int32_t FeroxControl::exchangeBytes() {
  const int conversion = properties_.BinaryConversion();
  const QString text = properties_.TransferBytes();
  QByteArray command;
  if (conversion == 1) {
    command = hexTextToBytes(text);
  } else if (conversion == 0) {
    for (const QChar c : text)
      if (c.unicode() > 0xFF) return result::InvalidParameters;
    command = text.toLatin1();
  } else {
    return result::InvalidParameters;
  }
  if (command.isEmpty()) return result::InvalidParameters;
  QByteArray answer;
  const RegisterClient::Exchange exchange = client_.sendRaw(command, properties_, answer);
  showExchange(exchange);
  properties_.setTransferBytes(conversion == 1 ? bytesToHexText(answer)
                                               : QString::fromLatin1(answer));
  return exchange.result;
}

std::int32_t FeroxControl::lockPort() { return portLock_.lock(portName()); }

// The name the port lock goes by: the device path of a serial port (two COM numbers
// mapped to one line are one port), the address of a TCP register.
QString FeroxControl::portName() const {
  switch (properties_.ConnectionType()) {
    case connection::Serial:
      return serialPortPath(properties_.ComNumber())
          .value_or(QStringLiteral("COM%1").arg(properties_.ComNumber()));
    case connection::Tcp:
      return QStringLiteral("tcp-%1-%2")
          .arg(properties_.UseIPAddress() ? properties_.IPAddress() : properties_.ComputerName())
          .arg(properties_.TCPPort());
    case connection::Embedded:
      return QStringLiteral("embedded");
    default:
      return QStringLiteral("connection-%1").arg(properties_.ConnectionType());
  }
}

std::int32_t FeroxControl::findDevice() {
  // Our own open line would make its port look busy to the probe.
  client_.close();
  PropertyBag probeProperties = properties_;
  const int searchTimeout = properties_.SearchTimeout();
  probeProperties.setTimeout(searchTimeout > 0 ? searchTimeout : int(defaultProbeTimeout.count()));
  probeProperties.setConnectionType(connection::Serial);
  const auto found = findSerialDevice([&](int comNumber, int baudRateCode) {
    probeProperties.setComNumber(comNumber);
    probeProperties.setBaudRate(baudRateCode);
    RegisterClient probe(linkFactory_);
    return probe.callMethod(presenceCheck, probeProperties).result;
  });
  if (!found) return result::NoConnection;
  properties_.setConnectionType(connection::Serial);
  properties_.setComNumber(found->comNumber);
  properties_.setBaudRate(found->baudRateCode);
  return result::Ok;
}
