#include "Frame.h"

#include <QStringList>

#include <gtest/gtest.h>

namespace {

using Status = frame::Reader::Status;

TEST(Frame, EncodesStartLengthPayloadAndChecksum) {
  const QByteArray bytes = frame::encode("123456789");
  ASSERT_EQ(bytes.size(), 5 + 9 + 2);
  EXPECT_EQ(bytes.left(5), QByteArray("\x02\x09\x00\x00\x00", 5));
  EXPECT_EQ(bytes.mid(5, 9), "123456789");
  EXPECT_EQ(bytes.right(2), QByteArray("\xB1\x29", 2));  // CRC-16/CCITT-FALSE 0x29B1
}

TEST(Frame, ReadsFramesArrivingByteByByte) {
  const QByteArray stream = frame::encode("first") + frame::encode("") + frame::encode("third");
  frame::Reader reader;
  QStringList payloads;
  for (const char byte : stream) {
    reader.append(QByteArrayView(&byte, 1));
    QByteArray payload;
    QString error;
    while (reader.next(payload, error) == Status::Frame) payloads << QString::fromLatin1(payload);
  }
  EXPECT_EQ(payloads, QStringList({"first", "", "third"}));
  EXPECT_EQ(reader.buffered(), 0);
}

struct BadCase {
  const char* name;
  QByteArray bytes;
  const char* error;
};

TEST(Frame, RejectsMalformedInputAndRecoversAtTheNextFrame) {
  QByteArray corrupted = frame::encode("payload");
  corrupted[7] = 'X';
  const BadCase cases[] = {
      {"garbage before a frame", "garbage", "Неверный начальный байт кадра"},
      {"bad checksum", corrupted, "Неверная контрольная сумма кадра"},
      {"length over the limit", QByteArray("\x02\xff\xff\xff\x7f", 5),
       "Длина кадра 2147483647 больше допустимой"},
  };
  for (const BadCase& c : cases) {
    SCOPED_TRACE(c.name);
    frame::Reader reader;
    reader.append(c.bytes + frame::encode("good"));
    QByteArray payload;
    QString error;
    EXPECT_EQ(reader.next(payload, error), Status::Error);
    EXPECT_EQ(error, c.error);
    Status status;
    while ((status = reader.next(payload, error)) == Status::Error) {
    }
    ASSERT_EQ(status, Status::Frame);
    EXPECT_EQ(payload, "good");
  }
}

TEST(Frame, WaitsForAShortFrameWithoutReadingPastTheEnd) {
  const QByteArray whole = frame::encode("abc");
  frame::Reader reader;
  reader.append(whole.left(whole.size() - 1));
  QByteArray payload;
  QString error;
  EXPECT_EQ(reader.next(payload, error), Status::NeedMore);
  reader.append(whole.right(1));
  EXPECT_EQ(reader.next(payload, error), Status::Frame);
  EXPECT_EQ(payload, "abc");
}

TEST(Frame, RefusesToEncodeAnOversizedPayload) {
  EXPECT_THROW(frame::encode(QByteArray(frame::MaxPayload + 1, 'x')), std::length_error);
}

}  // namespace
