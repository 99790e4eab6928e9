#pragma once

#include "Message.h"
#include "PropertyBag.h"

#include <QByteArray>
#include <QByteArrayView>

#include <memory>

class VirtualRegister;

// How a session reaches the register, as the status reports it (PortNumber).
namespace link_interface {
constexpr int Serial = 0;
constexpr int Usb = 1;
constexpr int Tcp = 2;
}  // namespace link_interface

// One caller's connection to the register. It keeps a mirror of the caller's properties:
// a request brings the properties the caller changed, the answer takes back the ones the
// method changed, so both sides always hold the same values.
class RegisterSession {
 public:
  explicit RegisterSession(std::shared_ptr<VirtualRegister> device,
                           int linkInterface = link_interface::Tcp);

  // The encoded answer to one request payload (the inside of a frame). An unreadable
  // payload gets an error answer. Empty when the register answers nothing because its
  // link is dropped: the transport should then close the connection.
  QByteArray handlePayload(QByteArrayView payload) noexcept;
  bool linkDropped() const { return linkDropped_; }

 private:
  QByteArray answer(QByteArrayView payload);
  void takeInputs(const wire::Properties& inputs);
  QByteArray answerMethod(const wire::MethodRequest& request);
  QByteArray answerRaw(const wire::RawRequest& request);

  std::shared_ptr<VirtualRegister> register_;
  int linkInterface_;
  PropertyBag mirror_;
  bool linkDropped_ = false;
};
