#include "DeviceCodePage.h"
#include "RegisterFixture.h"
#include "ResultCodes.h"

namespace {

QByteArray bytes(std::initializer_list<int> values) {
  QByteArray out;
  for (const int value : values) out.append(char(value));
  return out;
}

const QByteArray AdminPassword = bytes({30, 0, 0, 0});

TEST_F(RegisterTest, ShortStatusAndBeepAnswerInBytes) {
  const auto status = raw(bytes({0x10}) + AdminPassword);
  EXPECT_EQ(status.result, 0);
  ASSERT_EQ(status.answer.size(), 8);
  EXPECT_EQ(status.answer.left(3), bytes({0x10, 0, 30}));
  call("GetShortECRStatus", asAdmin());
  EXPECT_EQ(std::uint8_t(status.answer[3]) | std::uint8_t(status.answer[4]) << 8,
            caller.ECRFlags());
  EXPECT_EQ(status.answer[5], char(4)) << "mode";

  const auto beep = raw(bytes({0x13, 1, 0, 0, 0}));
  EXPECT_EQ(beep.result, 0);
  EXPECT_EQ(beep.answer, bytes({0x13, 0, 1}));
}

TEST_F(RegisterTest, DeviceTypeNeedsNoPassword) {
  const auto type = raw(bytes({0xFC}));
  ASSERT_EQ(type.result, 0);
  EXPECT_EQ(type.answer.left(7), bytes({0xFC, 0, 0, 0, 1, 3, 44}));
  EXPECT_EQ(codepage::decode(type.answer.mid(7)), u"ВКР-80Ф");
}

TEST_F(RegisterTest, TableFieldsReadAndWriteAsBytes) {
  const QByteArray timeZone = bytes({17, 1, 0, 66});
  EXPECT_EQ(raw(bytes({0x1F}) + AdminPassword + timeZone).answer, bytes({0x1F, 0, 2}));
  EXPECT_EQ(raw(bytes({0x1E}) + AdminPassword + timeZone + bytes({7})).answer, bytes({0x1E, 0}));
  EXPECT_EQ(raw(bytes({0x1F}) + AdminPassword + timeZone).answer, bytes({0x1F, 0, 7}));
  EXPECT_EQ(raw(bytes({0x1E}) + AdminPassword + timeZone + bytes({12})).result,
            result::FieldValueOutOfRange);

  const QByteArray automat = bytes({24, 1, 0, 1});
  ASSERT_EQ(raw(bytes({0x1E}) + AdminPassword + automat + codepage::encode(QStringLiteral("А-17")))
                .result,
            0);
  const auto read = raw(bytes({0x1F}) + AdminPassword + automat);
  EXPECT_EQ(read.answer.size(), 2 + 20) << "a text comes padded to the field's size";
  EXPECT_EQ(codepage::decode(read.answer.mid(2)).remove(QChar(0)), u"А-17");
}

struct RawCase {
  const char* name;
  QByteArray command;
  std::int32_t result;
  QByteArray answer;
};

TEST_F(RegisterTest, UnknownAndMalformedCommandsAreRefusedWithTheirCode) {
  const RawCase cases[] = {
      {"unknown", bytes({0x77, 30, 0, 0, 0}), result::NotSupported, bytes({0x77, 55})},
      {"unknown without password", bytes({0x02}), result::NotSupported, bytes({0x02, 55})},
      {"extended", bytes({0xFE, 0xED, 0, 0, 0, 0}), result::NotSupported, bytes({0xFE, 0xED, 55})},
      {"extended prefix alone", bytes({0xFE}), result::InvalidParameters, bytes({0xFE, 51})},
      {"empty", QByteArray(), result::InvalidParameters, QByteArray()},
      {"password cut short", bytes({0x10, 30, 0}), result::InvalidParameters, bytes({0x10, 51})},
      {"data after status", bytes({0x10, 30, 0, 0, 0, 1}), result::InvalidParameters,
       bytes({0x10, 51})},
      {"wrong password", bytes({0x10, 31, 0, 0, 0}), result::WrongPassword, bytes({0x10, 79})},
      {"address cut short", bytes({0x1F, 30, 0, 0, 0, 17, 1}), result::InvalidParameters,
       bytes({0x1F, 51})},
      {"number of the wrong width", bytes({0x1E, 30, 0, 0, 0, 17, 1, 0, 66, 1, 0}),
       result::InvalidParameters, bytes({0x1E, 51})},
      {"past the last table", bytes({0x1F, 30, 0, 0, 0, 99, 1, 0, 1}), result::NoSuchTableItem,
       bytes({0x1F, 93})},
      {"longer than the model takes", bytes({0x13}) + QByteArray(300, 'x'),
       result::InvalidParameters, bytes({0x13, 51})},
  };
  for (const RawCase& c : cases) {
    SCOPED_TRACE(c.name);
    const auto answer = raw(c.command);
    EXPECT_EQ(answer.result, c.result);
    EXPECT_EQ(answer.answer, c.answer);
  }
}

TEST_F(RegisterTest, ScanningEveryCodeFindsTheFewTheRegisterKnows) {
  QList<int> known;
  for (int code = 0; code < 256; ++code)
    if (raw(bytes({code})).result != result::NotSupported) known << code;
  EXPECT_EQ(known, (QList<int>{0x10, 0x13, 0x1E, 0x1F, 0xFC, 0xFE}));
}

}  // namespace
