#include "RawCommands.h"

#include "Device.h"
#include "DeviceCodePage.h"
#include "DeviceModes.h"
#include "DeviceStatus.h"
#include "DeviceTables.h"
#include "Passwords.h"
#include "ResultCodes.h"
#include "Speaker.h"

#include <algorithm>
#include <optional>

namespace {

constexpr std::uint8_t ExtendedPrefix = 0xFE;
constexpr qsizetype MaxCommandLength = 256;  // as model parameter 53 tells
constexpr qsizetype PasswordLength = 4;

// Reads a command's data; a read past the end gives nothing.
class ByteReader {
 public:
  explicit ByteReader(QByteArrayView bytes) : bytes_(bytes) {}
  std::optional<std::uint64_t> number(int size) {
    if (bytes_.size() < size) return std::nullopt;
    std::uint64_t value = 0;
    for (int i = 0; i < size; ++i) value |= std::uint64_t(std::uint8_t(bytes_[i])) << (8 * i);
    bytes_ = bytes_.sliced(size);
    return value;
  }
  QByteArrayView rest() const { return bytes_; }
  bool atEnd() const { return bytes_.isEmpty(); }

 private:
  QByteArrayView bytes_;
};

struct RawCall {
  ByteReader data;
  int operatorNumber;
  QByteArray answer;  // the command's data after the error byte
};

using RawHandler = std::int32_t (*)(Device& device, RawCall& call);

struct RawCommand {
  std::uint8_t code;
  bool takesPassword;
  Access access;
  mode::Mask modes;
  RawHandler run;
};

void appendNumber(QByteArray& bytes, std::uint64_t value, int size) {
  for (int i = 0; i < size; ++i) bytes.append(char((value >> (8 * i)) & 0xFF));
}

std::int32_t shortStatus(Device& device, RawCall& call) {
  if (!call.data.atEnd()) return result::InvalidParameters;
  call.answer.append(char(call.operatorNumber));
  appendNumber(call.answer, status::flagWord(device), 2);
  call.answer.append(char(mode::current(device)));
  call.answer.append(char(device.printer.subMode()));
  call.answer.append(char(device.printer.lastPrintResult()));
  return result::Ok;
}

std::int32_t beep(Device& device, RawCall& call) {
  if (!call.data.atEnd()) return result::InvalidParameters;
  speaker::beep(device);
  call.answer.append(char(call.operatorNumber));
  return result::Ok;
}

// Table, row (2 bytes) and field, as table commands address a field.
std::int32_t readAddress(const Device& device, RawCall& call, device_tables::Field& field) {
  const auto table = call.data.number(1);
  const auto row = call.data.number(2);
  const auto number = call.data.number(1);
  if (!table || !row || !number) return result::InvalidParameters;
  return device_tables::locate(*device.profile, {int(*table), int(*row), int(*number)}, field);
}

std::int32_t readTable(Device& device, RawCall& call) {
  device_tables::Field field{};
  if (const std::int32_t refused = readAddress(device, call, field)) return refused;
  if (!call.data.atEnd()) return result::InvalidParameters;
  const FieldValue value = device_tables::read(device.store, *device.profile, field);
  const int size = field.schema->size;
  if (const auto* number = std::get_if<std::int64_t>(&value)) {
    appendNumber(call.answer, std::uint64_t(*number), size);
  } else {
    call.answer.append(codepage::encode(std::get<QString>(value)).leftJustified(size, '\0'));
  }
  return result::Ok;
}

// A text may end early with a zero byte; a number takes exactly the field's width.
std::optional<FieldValue> valueBytes(const FieldSchema& schema, QByteArrayView bytes) {
  if (schema.kind == FieldKind::Text) {
    const qsizetype end = bytes.indexOf('\0');
    return codepage::decode(end < 0 ? bytes : bytes.first(end));
  }
  if (bytes.size() != schema.size) return std::nullopt;
  return std::int64_t(*ByteReader(bytes).number(schema.size));
}

std::int32_t writeTable(Device& device, RawCall& call) {
  device_tables::Field field{};
  if (const std::int32_t refused = readAddress(device, call, field)) return refused;
  const auto value = valueBytes(*field.schema, call.data.rest());
  if (!value) return result::InvalidParameters;
  return device_tables::write(device.store, *device.profile, field, *value);
}

std::int32_t deviceType(Device& device, RawCall& call) {
  if (!call.data.atEnd()) return result::InvalidParameters;
  const ModelProfile& profile = *device.profile;
  call.answer.append(char(device_type::CashRegister));
  call.answer.append(char(profile.minorType));
  call.answer.append(char(device_type::ProtocolMajor));
  call.answer.append(char(device_type::ProtocolMinor));
  call.answer.append(char(profile.modelId));
  call.answer.append(codepage::encode(QString::fromUtf16(profile.description)));
  return result::Ok;
}

const RawCommand rawCommands[] = {
    {0x10, true, Access::Operator, mode::any, shortStatus},
    {0x13, true, Access::Operator, mode::any, beep},
    {0x1E, true, Access::TableEditor, mode::only({mode::ShiftClosed}), writeTable},
    {0x1F, true, Access::SystemAdministrator, mode::any, readTable},
    {0xFC, false, Access::Anyone, mode::any, deviceType},
};

RawReply reply(QByteArrayView code, std::int32_t error, const QByteArray& data = {}) {
  QByteArray answer = code.toByteArray();
  answer.append(char(error));
  if (error == result::Ok) answer.append(data);
  return {error, answer};
}

std::int32_t runKnown(Device& device, const RawCommand& command, QByteArrayView rest,
                      QByteArray& data) {
  std::int32_t password = 0;
  if (command.takesPassword) {
    if (rest.size() < PasswordLength) return result::InvalidParameters;
    password = std::int32_t(*ByteReader(rest).number(PasswordLength));
    rest = rest.sliced(PasswordLength);
  }
  const Admission admission = admit(device, command.access, password);
  if (admission.code != result::Ok) return admission.code;
  if (!mode::allows(command.modes, mode::current(device))) return result::WrongMode;
  RawCall call{ByteReader(rest), admission.operatorNumber, {}};
  const std::int32_t code = command.run(device, call);
  data = call.answer;
  return code;
}

// The command code: one byte, or two after the extended prefix (fewer when cut short).
QByteArrayView codeOf(QByteArrayView command) {
  const bool extended = !command.isEmpty() && std::uint8_t(command[0]) == ExtendedPrefix;
  return command.first(std::min<qsizetype>(extended ? 2 : 1, command.size()));
}

}  // namespace

RawReply refuseRawCommand(QByteArrayView command, std::int32_t error) {
  return reply(codeOf(command), error);
}

RawReply runRawCommand(Device& device, QByteArrayView command) {
  if (command.isEmpty()) return {result::InvalidParameters, {}};
  const QByteArrayView code = codeOf(command);
  const bool extended = std::uint8_t(command[0]) == ExtendedPrefix;
  if ((extended && code.size() < 2) || command.size() > MaxCommandLength)
    return reply(code, result::InvalidParameters);
  const auto known = std::ranges::find(rawCommands, std::uint8_t(command[0]), &RawCommand::code);
  if (extended || known == std::end(rawCommands)) return reply(code, result::NotSupported);
  QByteArray data;
  const std::int32_t error = runKnown(device, *known, command.sliced(1), data);
  return reply(code, error, data);
}
