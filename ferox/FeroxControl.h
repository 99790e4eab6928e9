#pragma once

#include "IFerox.h"
#include "LinkFactory.h"
#include "PortLock.h"
#include "PropertyBag.h"
#include "RegisterClient.h"

// The Ferox control: the whole property and method surface over a register reached
// through a link. It starts from the user's saved settings, connects on the first device
// call and keeps the link until Disconnect (or until the link fails). Methods the control
// does itself (connection, waits, port lock, device search, logical devices, settings
// dialog, raw bytes) are answered here; every other method goes to the register, which
// answers 55 for what it does not implement.
//
// One thread at a time may use a control, and it may be a different thread each time:
// nothing in it belongs to the thread that created it.
class FeroxControl : public IFerox {
 public:
  // The standard links: serial line, TCP and the embedded register.
  FeroxControl();
  explicit FeroxControl(LinkFactory linkFactory);
  ~FeroxControl() override;

  DriverValue getProperty(std::string_view name) override;
  void setProperty(std::string_view name, const DriverValue& value) override;
  std::int32_t callMethod(std::string_view name) override;

 private:
  std::int32_t run(MethodId method);
  std::int32_t callDevice(std::string_view method, const wire::Properties& extraInputs = {},
                          RegisterClient::LinkChoice linkChoice =
                              RegisterClient::LinkChoice::Matching);
  void showExchange(const RegisterClient::Exchange& exchange);
  std::int32_t finish(std::int32_t code);

  std::int32_t connect();
  std::int32_t disconnect();
  std::int32_t waitConnection();
  std::int32_t waitForPrinting();
  std::int32_t waitForCheckClose();
  std::int32_t setExchangeParam();
  std::int32_t exchangeBytes();
  std::int32_t lockPort();
  std::int32_t findDevice();
  std::int32_t showProperties();
  QString portName() const;

  LinkFactory linkFactory_;
  PropertyBag properties_;
  RegisterClient client_;
  PortLock portLock_;
};
