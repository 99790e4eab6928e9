#pragma once

#include "LinkFactory.h"
#include "Message.h"

#include <cstdint>
#include <string_view>

// The control's side of the protocol: opens the link on demand, numbers the requests,
// sends the properties the register's mirror does not have yet, checks that each answer
// belongs to its request, and takes the answer's outputs.
class RegisterClient {
 public:
  explicit RegisterClient(LinkFactory factory) : factory_(std::move(factory)) {}

  struct Exchange {
    std::int32_t result = 0;
    QByteArray sent;      // the frame as written to the link
    QByteArray received;  // the bytes that came back
  };

  bool isOpen() const { return link_ != nullptr; }
  // Opens a link made from the connection properties; result::Ok when such a link is open
  // already. A link made from other values is closed first.
  std::int32_t open(const PropertyBag& properties);
  void close();

  // Which link a call goes over: one made from the connection properties, or the link
  // that is open already even if the properties describe another one by now (a command
  // that changes the device's own line speed is still sent at the old speed).
  enum class LinkChoice { Matching, Current };

  // Calls a method of the register. The request carries the changed device properties
  // (every non-default one on a new link) and the extra inputs; the answer's outputs go
  // back into the properties.
  Exchange callMethod(std::string_view method, PropertyBag& properties,
                      const wire::Properties& extraInputs = {},
                      LinkChoice linkChoice = LinkChoice::Matching);
  // Sends raw command bytes; answer receives the register's answer bytes.
  Exchange sendRaw(const QByteArray& command, const PropertyBag& properties, QByteArray& answer);

 private:
  struct Answer;
  Answer exchange(const wire::Message& request, const PropertyBag& properties);
  wire::Properties inputsFor(const PropertyBag& properties) const;

  LinkFactory factory_;
  std::unique_ptr<Link> link_;
  std::vector<DriverValue> linkSettings_;
  std::uint32_t sequence_ = 0;
  // A new link means a new session of the register, whose mirror of our properties is
  // empty until the first method request fills it.
  bool mirrorEmpty_ = true;
};
