#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <cstdint>

// The byte framing shared by every transport between the control and the register:
//   0x02 | payload length (u32 LE) | payload | CRC-16/CCITT-FALSE of the payload (u16 LE)
namespace frame {

constexpr char Start = 0x02;
constexpr std::uint32_t MaxPayload = 1024 * 1024;
constexpr int HeaderSize = 5;
constexpr int TrailerSize = 2;

// Throws std::length_error for a payload over MaxPayload.
QByteArray encode(QByteArrayView payload);

// Cuts frames out of a byte stream that may arrive in any pieces. Malformed input is
// reported once and skipped up to the next start byte, so a reader never stalls on
// garbage and never reads past what it was given.
class Reader {
 public:
  enum class Status { NeedMore, Frame, Error };

  void append(QByteArrayView bytes) { buffer_.append(bytes); }
  // Frame: payload holds the next frame's payload. Error: error says what was wrong and
  // the bad bytes are dropped.
  Status next(QByteArray& payload, QString& error);
  qsizetype buffered() const { return buffer_.size(); }
  void clear() { buffer_.clear(); }

 private:
  void dropUntilNextStart(qsizetype from);
  QByteArray buffer_;
};

}  // namespace frame
