#pragma once

#include "StreamLink.h"

#include <QString>

// A serial line: a COM number, mapped to a device path by the port map, at one of the
// control's baud-rate codes, 8 data bits, no parity, one stop bit, no flow control.
class SerialLink : public StreamLink {
 public:
  SerialLink(int comNumber, int baudRateCode);

  std::int32_t open() override;

 private:
  int comNumber_;
  int baudRateCode_;
};
