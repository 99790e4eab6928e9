#include "RegisterFixture.h"
#include "ResultCodes.h"

namespace {

using P = PropertyId;

wire::Properties at(int table, int row, int field, wire::Properties more = {}) {
  wire::Properties inputs = asAdmin({{P::TableNumber, std::int32_t(table)},
                                     {P::RowNumber, std::int32_t(row)},
                                     {P::FieldNumber, std::int32_t(field)}});
  inputs.insert(inputs.end(), more.begin(), more.end());
  return inputs;
}

TEST_F(RegisterTest, TableAndFieldStructuresComeFromTheSchema) {
  const auto operators = call("GetTableStruct", asAdmin({{P::TableNumber, std::int32_t(2)}}));
  ASSERT_EQ(operators.result, 0);
  EXPECT_EQ(caller.TableName(), u"Кассиры и администраторы");
  EXPECT_EQ(caller.RowNumber(), 30);
  EXPECT_EQ(caller.FieldNumber(), 2);

  ASSERT_EQ(result("GetFieldStruct", at(17, 1, 66)), 0);
  EXPECT_EQ(caller.FieldName(), u"Часовая зона места расчетов");
  EXPECT_FALSE(caller.FieldType()) << "a number";
  EXPECT_EQ(caller.FieldSize(), 1);
  EXPECT_EQ(caller.MINValueOfField(), 1);
  EXPECT_EQ(caller.MAXValueOfField(), 11);

  ASSERT_EQ(result("GetFieldStruct", at(18, 1, 22)), 0);
  EXPECT_EQ(std::uint32_t(caller.MAXValueOfField()), 4294967295u) << "shown unsigned";

  ASSERT_EQ(result("GetFieldStruct", at(19, 1, 1)), 0);
  EXPECT_TRUE(caller.FieldType()) << "a text";
  EXPECT_EQ(caller.FieldSize(), 64);
}

TEST_F(RegisterTest, EveryTableFromOneToTheLastAnswersAndThenNinetyThree) {
  int table = 1;
  while (result("GetTableStruct", asAdmin({{P::TableNumber, std::int32_t(table)}})) == 0) ++table;
  EXPECT_EQ(table, 25);
  EXPECT_EQ(caller.ResultCode(), 0) << "ResultCode belongs to the control";
}

TEST_F(RegisterTest, ReadingDefaultsGivesTheFieldStructureAndBothValueForms) {
  ASSERT_EQ(result("ReadTable", at(2, 30, 2)), 0);
  EXPECT_EQ(caller.ValueOfFieldString(), u"Системный администратор");
  EXPECT_EQ(caller.FieldName(), u"Имя");
  ASSERT_EQ(result("ReadTable", at(2, 7, 1)), 0);
  EXPECT_EQ(caller.ValueOfFieldInteger(), 7) << "a cashier's password is their number";
  EXPECT_EQ(caller.ValueOfFieldString(), u"7");
  ASSERT_EQ(result("ReadTable", at(16, 1, 3)), 0);
  EXPECT_EQ(caller.ValueOfFieldInteger(), 127);
  ASSERT_EQ(result("ReadTable", at(21, 1, 4)), 0);
  EXPECT_EQ(caller.ValueOfFieldInteger(), 7778);
}

struct WriteCase {
  const char* name;
  int table, row, field;
  DriverValue value;  // ValueOfFieldString when text, else ValueOfFieldInteger
  std::int32_t expected;
  QString readBack;  // after the write, as ValueOfFieldString
};

TEST_F(RegisterTest, WritesAreValidatedAndNothingIsWrittenOnError) {
  const WriteCase cases[] = {
      {"number in range", 17, 1, 66, std::int32_t(5), 0, "5"},
      {"number above the range", 17, 1, 66, std::int32_t(12), result::FieldValueOutOfRange, "5"},
      {"number below the range", 1, 1, 1, std::int32_t(0), result::FieldValueOutOfRange, "1"},
      {"number as text", 17, 1, 66, QStringLiteral(" 7 "), 0, "7"},
      {"text that is no number", 17, 1, 66, QStringLiteral("семь"), result::FieldValueNotNumber,
       "7"},
      {"unsigned 32 bits", 18, 1, 22, std::int32_t(-1), 0, "4294967295"},
      {"text of the field's size", 24, 1, 1, QString(20, u'Ж'), 0, QString(20, u'Ж')},
      {"text too long", 24, 1, 1, QString(21, u'Я'), result::FieldTextTooLong, QString(20, u'Ж')},
      {"text outside the code page", 24, 1, 1, QStringLiteral("日本"), result::TextOutsideCodePage,
       QString(20, u'Ж')},
      {"number into a text field", 24, 1, 1, std::int32_t(1234), 0, "1234"},
      {"past the last row", 2, 31, 1, std::int32_t(1), result::NoSuchTableItem, ""},
      {"past the last field", 17, 1, 67, std::int32_t(1), result::NoSuchTableItem, ""},
      {"past the last table", 25, 1, 1, std::int32_t(1), result::NoSuchTableItem, ""},
      {"row zero", 1, 0, 1, std::int32_t(1), result::NoSuchTableItem, ""},
  };
  for (const WriteCase& c : cases) {
    SCOPED_TRACE(c.name);
    const bool text = std::holds_alternative<QString>(c.value);
    const auto input = text ? wire::PropertyValue{P::ValueOfFieldString, c.value}
                            : wire::PropertyValue{P::ValueOfFieldInteger, c.value};
    EXPECT_EQ(result("WriteTable", at(c.table, c.row, c.field, {input})), c.expected);
    const std::int32_t read = result("ReadTable", at(c.table, c.row, c.field));
    if (c.readBack.isEmpty()) {
      EXPECT_EQ(read, result::NoSuchTableItem);
      continue;
    }
    ASSERT_EQ(read, 0);
    EXPECT_EQ(caller.ValueOfFieldString(), c.readBack);
  }
}

// A caller sends only what it changed: a value it set again unchanged does not travel.
TEST_F(RegisterTest, AValueTheRequestDoesNotCarryIsTakenByTheFieldsKind) {
  const auto readBack = [&](int table, int field) {
    EXPECT_EQ(result("ReadTable", at(table, 1, field)), 0);
    return caller.ValueOfFieldString();
  };
  ASSERT_EQ(result("WriteTable", at(24, 1, 1, {{P::ValueOfFieldString, QStringLiteral("А1")}})), 0);
  ASSERT_EQ(result("WriteTable", at(17, 1, 66, {{P::ValueOfFieldInteger, std::int32_t(9)}})), 0);
  ASSERT_EQ(result("WriteTable", at(24, 1, 1)), 0) << "the text \"А1\" again, unsent";
  EXPECT_EQ(readBack(24, 1), u"А1");
  ASSERT_EQ(result("WriteTable", at(17, 1, 66, {{P::ValueOfFieldString, QStringLiteral("3")}})), 0);
  EXPECT_EQ(readBack(17, 66), u"3");
  ASSERT_EQ(result("WriteTable", at(17, 1, 66, {{P::ValueOfFieldInteger, std::int32_t(4)}})), 0);
  ASSERT_EQ(result("WriteTable", at(17, 1, 66)), 0) << "the number 4 again, unsent";
  EXPECT_EQ(readBack(17, 66), u"4");
}

TEST_F(RegisterTest, InitTableBringsEveryTableBackToItsDefaults) {
  ASSERT_EQ(result("WriteTable", at(17, 1, 66, {{P::ValueOfFieldInteger, std::int32_t(9)}})), 0);
  ASSERT_EQ(result("WriteTable", at(4, 3, 1, {{P::ValueOfFieldString, QStringLiteral("ИП")}})), 0);
  ASSERT_EQ(result("InitTable", asAdmin()), 0);
  ASSERT_EQ(result("ReadTable", at(17, 1, 66)), 0);
  EXPECT_EQ(caller.ValueOfFieldInteger(), 2);
  ASSERT_EQ(result("ReadTable", at(4, 3, 1)), 0);
  EXPECT_EQ(caller.ValueOfFieldString(), u"");
}

TEST_F(RegisterTest, ModelsKeepTheirOwnTablesAndNumberThemTheirWay) {
  ASSERT_EQ(result("WriteTable", at(1, 1, 1, {{P::ValueOfFieldInteger, std::int32_t(12)}})), 0);
  configure([](RegisterSettings& s) { s.profile = QStringLiteral("cashcore"); });
  ASSERT_EQ(result("ReadTable", at(1, 1, 1)), 0);
  EXPECT_EQ(caller.ValueOfFieldInteger(), 1);
  ASSERT_EQ(result("GetTableStruct", asAdmin({{P::TableNumber, std::int32_t(13)}})), 0);
  EXPECT_EQ(caller.TableName(), u"Фискальный накопитель");
  EXPECT_EQ(result("GetTableStruct", asAdmin({{P::TableNumber, std::int32_t(24)}})),
            result::NoSuchTableItem);
  configure([](RegisterSettings& s) { s.profile = QStringLiteral("standard"); });
  ASSERT_EQ(result("ReadTable", at(1, 1, 1)), 0);
  EXPECT_EQ(caller.ValueOfFieldInteger(), 12);
}

TEST_F(RegisterTest, TechnologicalResetRestoresTablesAndPorts) {
  ASSERT_EQ(result("WriteTable", at(17, 1, 66, {{P::ValueOfFieldInteger, std::int32_t(9)}})), 0);
  ASSERT_EQ(result("SetExchangeParam", asAdmin({{P::PortNumber, std::int32_t(0)},
                                                {P::BaudRate, std::int32_t(2)},
                                                {P::Timeout, std::int32_t(300)},
                                                {P::TCPPort, std::int32_t(7778)}})),
            0);
  ASSERT_EQ(result("ResetSettings", asAdmin()), 0);
  ASSERT_EQ(result("ReadTable", at(17, 1, 66)), 0);
  EXPECT_EQ(caller.ValueOfFieldInteger(), 2);
  ASSERT_EQ(result("GetExchangeParam", asAdmin({{P::PortNumber, std::int32_t(0)}})), 0);
  EXPECT_EQ(caller.BaudRate(), 6);
}

}  // namespace
