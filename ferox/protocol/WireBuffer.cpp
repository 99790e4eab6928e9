#include "WireBuffer.h"

#include <QtEndian>

#include <algorithm>
#include <bit>

void WireWriter::u16(std::uint16_t value) {
  char raw[2];
  qToLittleEndian(value, raw);
  bytes_.append(raw, 2);
}

void WireWriter::u32(std::uint32_t value) {
  char raw[4];
  qToLittleEndian(value, raw);
  bytes_.append(raw, 4);
}

void WireWriter::i64(std::int64_t value) {
  char raw[8];
  qToLittleEndian(std::uint64_t(value), raw);
  bytes_.append(raw, 8);
}

void WireWriter::f64(double value) { i64(std::bit_cast<std::int64_t>(value)); }

void WireWriter::shortName(QByteArrayView name) {
  const QByteArrayView kept = name.first(std::min<qsizetype>(name.size(), 255));
  u8(std::uint8_t(kept.size()));
  bytes_.append(kept);
}

void WireWriter::blob(QByteArrayView bytes) {
  u32(std::uint32_t(bytes.size()));
  bytes_.append(bytes);
}

void WireWriter::text(const QString& text) {
  u32(std::uint32_t(text.size()));
  for (const QChar c : text) u16(c.unicode());
}

std::optional<QByteArrayView> WireReader::take(qsizetype count) {
  if (failed_ || count < 0 || count > bytes_.size() - position_) {
    failed_ = true;
    return std::nullopt;
  }
  const QByteArrayView part = bytes_.sliced(position_, count);
  position_ += count;
  return part;
}

std::optional<std::uint8_t> WireReader::u8() {
  const auto raw = take(1);
  if (!raw) return std::nullopt;
  return std::uint8_t((*raw)[0]);
}

std::optional<std::uint16_t> WireReader::u16() {
  const auto raw = take(2);
  if (!raw) return std::nullopt;
  return qFromLittleEndian<std::uint16_t>(raw->data());
}

std::optional<std::uint32_t> WireReader::u32() {
  const auto raw = take(4);
  if (!raw) return std::nullopt;
  return qFromLittleEndian<std::uint32_t>(raw->data());
}

std::optional<std::int32_t> WireReader::i32() {
  const auto value = u32();
  if (!value) return std::nullopt;
  return std::int32_t(*value);
}

std::optional<std::int64_t> WireReader::i64() {
  const auto raw = take(8);
  if (!raw) return std::nullopt;
  return std::int64_t(qFromLittleEndian<std::uint64_t>(raw->data()));
}

std::optional<double> WireReader::f64() {
  const auto value = i64();
  if (!value) return std::nullopt;
  return std::bit_cast<double>(*value);
}

std::optional<QByteArray> WireReader::shortName() {
  const auto length = u8();
  if (!length) return std::nullopt;
  const auto raw = take(*length);
  if (!raw) return std::nullopt;
  return raw->toByteArray();
}

std::optional<QByteArray> WireReader::blob() {
  const auto length = u32();
  if (!length) return std::nullopt;
  const auto raw = take(qsizetype(*length));
  if (!raw) return std::nullopt;
  return raw->toByteArray();
}

std::optional<QString> WireReader::text() {
  const auto units = u32();
  if (!units || *units > std::uint32_t(bytes_.size())) {
    failed_ = true;
    return std::nullopt;
  }
  const auto raw = take(qsizetype(*units) * 2);
  if (!raw) return std::nullopt;
  QString text(qsizetype(*units), Qt::Uninitialized);
  for (qsizetype i = 0; i < text.size(); ++i)
    text[i] = QChar(qFromLittleEndian<std::uint16_t>(raw->data() + 2 * i));
  return text;
}
