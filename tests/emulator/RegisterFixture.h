#pragma once

#include "Message.h"
#include "PropertyBag.h"
#include "RegisterSession.h"
#include "RegisterSettings.h"
#include "VirtualRegister.h"

#include <QTemporaryDir>

#include <functional>
#include <memory>
#include <optional>

#include <gtest/gtest.h>

// A register in a fresh state folder, driven through a session with encoded messages, so
// that every test goes through the real bytes.
class RegisterTest : public ::testing::Test {
 public:
  RegisterTest();

  // Sends a method with its inputs and returns the decoded answer; the sequence number
  // must come back. The inputs and the answer's outputs land in caller, as in a control.
  wire::MethodAnswer call(const char* method, const wire::Properties& inputs = {});
  // The result code alone.
  std::int32_t result(const char* method, const wire::Properties& inputs = {});
  wire::RawAnswer raw(const QByteArray& command);
  // The answer payload for any payload, decoded; none when the register answered nothing.
  std::optional<wire::Message> send(const QByteArray& payload);

  // A new register and session on the same folder, as after a restart of the program.
  void restart();
  void configure(const std::function<void(RegisterSettings&)>& change);
  QString tape(PaperTape::Station station = PaperTape::Station::Receipt) const;

  QTemporaryDir folder;
  std::shared_ptr<VirtualRegister> device;
  std::unique_ptr<RegisterSession> session;
  std::uint32_t sequence = 0;
  PropertyBag caller;
};

// The value of an output the answer carries.
std::optional<DriverValue> output(const wire::MethodAnswer& answer, PropertyId id);
// The same, for outputs the answer must carry.
template <class T>
T valueOf(const wire::MethodAnswer& answer, PropertyId id) {
  const auto value = output(answer, id);
  if (!value || !std::holds_alternative<T>(*value)) {
    ADD_FAILURE() << "no output " << propertyInfo(id).name;
    return T();
  }
  return std::get<T>(*value);
}

// Inputs with the system administrator's password.
wire::Properties asAdmin(wire::Properties inputs = {});
