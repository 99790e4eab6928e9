#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <cstdint>
#include <optional>

// Little-endian writing and bounds-checked reading of the protocol's fields. A reader
// that runs out of bytes or meets a bad length stays failed and reads nothing more.
class WireWriter {
 public:
  void u8(std::uint8_t value) { bytes_.append(char(value)); }
  void u16(std::uint16_t value);
  void u32(std::uint32_t value);
  void i32(std::int32_t value) { u32(std::uint32_t(value)); }
  void i64(std::int64_t value);
  void f64(double value);
  void shortName(QByteArrayView name);  // u8 length + ASCII
  void blob(QByteArrayView bytes);      // u32 length + bytes
  void text(const QString& text);       // u32 count of UTF-16 units + UTF-16LE
  const QByteArray& bytes() const { return bytes_; }

 private:
  QByteArray bytes_;
};

class WireReader {
 public:
  explicit WireReader(QByteArrayView bytes) : bytes_(bytes) {}

  std::optional<std::uint8_t> u8();
  std::optional<std::uint16_t> u16();
  std::optional<std::uint32_t> u32();
  std::optional<std::int32_t> i32();
  std::optional<std::int64_t> i64();
  std::optional<double> f64();
  std::optional<QByteArray> shortName();
  std::optional<QByteArray> blob();
  std::optional<QString> text();

  bool atEnd() const { return !failed_ && position_ == bytes_.size(); }
  bool failed() const { return failed_; }

 private:
  // The next count bytes, or an empty optional (and the reader failed) when short.
  std::optional<QByteArrayView> take(qsizetype count);
  QByteArrayView bytes_;
  qsizetype position_ = 0;
  bool failed_ = false;
};
