#pragma once

#include "DriverSurface.h"
#include "DriverValue.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

// The messages carried in frame payloads. A request names a driver method and carries
// the caller's properties that changed since its last exchange; the answer carries the
// result code and the output properties the register changed. Raw requests carry the
// register's own command bytes.
namespace wire {

struct PropertyValue {
  PropertyId id;
  DriverValue value;
  bool operator==(const PropertyValue&) const = default;
};
using Properties = std::vector<PropertyValue>;

struct MethodRequest {
  std::uint32_t sequence = 0;
  std::string method;
  Properties inputs;
  bool operator==(const MethodRequest&) const = default;
};

struct MethodAnswer {
  std::uint32_t sequence = 0;
  std::int32_t result = 0;
  Properties outputs;
  bool operator==(const MethodAnswer&) const = default;
};

struct RawRequest {
  std::uint32_t sequence = 0;
  QByteArray command;
  bool operator==(const RawRequest&) const = default;
};

struct RawAnswer {
  std::uint32_t sequence = 0;
  std::int32_t result = 0;
  QByteArray answer;
  bool operator==(const RawAnswer&) const = default;
};

// The register could not read the request at all.
struct ErrorAnswer {
  std::uint32_t sequence = 0;
  std::int32_t result = 0;
  QString text;
  bool operator==(const ErrorAnswer&) const = default;
};

using Message = std::variant<MethodRequest, MethodAnswer, RawRequest, RawAnswer, ErrorAnswer>;

QByteArray encode(const Message& message);

struct Decoded {
  std::optional<Message> message;
  QString error;  // why decoding failed, in Russian
};
Decoded decode(QByteArrayView payload);

}  // namespace wire
