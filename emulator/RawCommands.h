#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <cstdint>

struct Device;

// The register's own byte commands, as ExchangeBytes sends them. A command is its code
// (one byte, or 0xFE and a second byte), the 4-byte little-endian password where the
// command takes one, then its data; the answer repeats the code, adds the error byte and,
// on success, the command's data. docs/emulator.md lists the set.
struct RawReply {
  std::int32_t result;  // the answer's error byte
  QByteArray answer;
};

RawReply runRawCommand(Device& device, QByteArrayView command);
// The answer that refuses a command without running it.
RawReply refuseRawCommand(QByteArrayView command, std::int32_t error);
