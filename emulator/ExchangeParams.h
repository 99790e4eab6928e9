#pragma once

#include <cstdint>

class StateChange;
class StateStore;

// The register's own side of each of its ports: the speed it answers a serial line at,
// its answer timeout and its TCP port.
struct ExchangeParams {
  int baudRate = 6;   // code 0..9 for 2400..921600 bit/s
  int timeout = 150;  // ms
  int tcpPort = 7778;
  bool operator==(const ExchangeParams&) const = default;
};

namespace exchange_params {

// The register's ports: 0 RS-232, 1 Bluetooth, 2 USB, 3 Wi-Fi, 128 TCP socket.
bool isPort(int portNumber);
ExchangeParams read(const StateStore& store, int portNumber);
// 0 when the values are in range, else InvalidParameters.
std::int32_t check(const ExchangeParams& params);
void write(StateChange& change, int portNumber, const ExchangeParams& params);
void resetAll(StateChange& change);

}  // namespace exchange_params
