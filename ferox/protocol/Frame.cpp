#include "Frame.h"

#include "Crc16.h"

#include <QtEndian>

#include <stdexcept>

namespace frame {

QByteArray encode(QByteArrayView payload) {
  if (std::uint64_t(payload.size()) > MaxPayload)
    throw std::length_error("frame payload too large");
  QByteArray bytes;
  bytes.reserve(HeaderSize + payload.size() + TrailerSize);
  bytes.append(Start);
  char length[4];
  qToLittleEndian(std::uint32_t(payload.size()), length);
  bytes.append(length, 4);
  bytes.append(payload);
  char crc[2];
  qToLittleEndian(crc16Ccitt(payload), crc);
  bytes.append(crc, 2);
  return bytes;
}

void Reader::dropUntilNextStart(qsizetype from) {
  const qsizetype next = buffer_.indexOf(Start, from);
  buffer_.remove(0, next < 0 ? buffer_.size() : next);
}

Reader::Status Reader::next(QByteArray& payload, QString& error) {
  if (buffer_.isEmpty()) return Status::NeedMore;
  if (buffer_[0] != Start) {
    dropUntilNextStart(0);
    error = QStringLiteral("Неверный начальный байт кадра");
    return Status::Error;
  }
  if (buffer_.size() < HeaderSize) return Status::NeedMore;
  const auto length = qFromLittleEndian<std::uint32_t>(buffer_.constData() + 1);
  if (length > MaxPayload) {
    dropUntilNextStart(1);
    error = QStringLiteral("Длина кадра %1 больше допустимой").arg(length);
    return Status::Error;
  }
  const qsizetype total = HeaderSize + qsizetype(length) + TrailerSize;
  if (buffer_.size() < total) return Status::NeedMore;
  const QByteArrayView body(buffer_.constData() + HeaderSize, qsizetype(length));
  const auto crc = qFromLittleEndian<std::uint16_t>(buffer_.constData() + HeaderSize + length);
  if (crc != crc16Ccitt(body)) {
    dropUntilNextStart(1);
    error = QStringLiteral("Неверная контрольная сумма кадра");
    return Status::Error;
  }
  payload = body.toByteArray();
  buffer_.remove(0, total);
  return Status::Frame;
}

}  // namespace frame
