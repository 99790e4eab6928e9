#pragma once

#include <QByteArrayView>

#include <cstdint>

// CRC-16/CCITT-FALSE by default: most significant bit first, no reflection, no final XOR.
constexpr std::uint16_t crc16Ccitt(QByteArrayView bytes, std::uint16_t polynomial = 0x1021,
                                   std::uint16_t initial = 0xFFFF) {
  std::uint16_t crc = initial;
  for (const char byte : bytes) {
    crc ^= std::uint16_t(static_cast<unsigned char>(byte) << 8);
    for (int bit = 0; bit < 8; ++bit)
      crc = (crc & 0x8000) ? std::uint16_t((crc << 1) ^ polynomial) : std::uint16_t(crc << 1);
  }
  return crc;
}
