#include "ScriptParser.h"

#include "Overloaded.h"

#include <gtest/gtest.h>

namespace {

// A parsed line as one readable text: "set Summ1=12.5000", "error: ...".
QString describe(const script::ParsedLine& parsed) {
  if (!parsed.error.isEmpty()) return QStringLiteral("error: ") + parsed.error;
  const auto name = [](const auto* info) { return script::nameText(info->name); };
  return std::visit(
      Overloaded{
          [](const script::Nothing&) { return QStringLiteral("nothing"); },
          [&](const script::SetProperty& c) {
            return QStringLiteral("set %1=%2").arg(name(c.property), valueToText(c.value));
          },
          [&](const script::GetProperty& c) { return QStringLiteral("get ") + name(c.property); },
          [&](const script::CallMethod& c) { return QStringLiteral("call ") + name(c.method); },
          [&](const script::ExpectProperty& c) {
            return QStringLiteral("expect %1=%2").arg(name(c.property), c.expected);
          },
          [](const script::ExpectResult& c) {
            return QStringLiteral("expect-result %1").arg(c.code);
          },
      },
      parsed.command);
}

struct Case {
  const char* line;
  const char* parsed;
};

void PrintTo(const Case& c, std::ostream* out) { *out << c.line; }

class ScriptLine : public ::testing::TestWithParam<Case> {};

TEST_P(ScriptLine, ReadsAsExpected) {
  EXPECT_EQ(describe(script::parseLine(QString::fromUtf8(GetParam().line))).toStdString(),
            GetParam().parsed);
}

INSTANTIATE_TEST_SUITE_P(
    Commands, ScriptLine,
    ::testing::Values(
        Case{"", "nothing"}, Case{"   \t ", "nothing"}, Case{"# set Nope 1", "nothing"},
        Case{"  #comment", "nothing"}, Case{"set Password 30", "set Password=30"},
        Case{"  set   Password   30  ", "set Password=30"},
        Case{"set Summ1 246.9", "set Summ1=246.9000"},
        Case{"set Summ1 246,95", "set Summ1=246.9500"},
        Case{"set StringForPrinting Добрый день", "set StringForPrinting=Добрый день"},
        Case{"set StringForPrinting \"  с пробелами  \"", "set StringForPrinting=  с пробелами  "},
        Case{"set StringForPrinting \"\"", "set StringForPrinting="},
        Case{"set StringForPrinting \"say \\\"hi\\\" \\\\ bye\"",
             "set StringForPrinting=say \"hi\" \\ bye"},
        Case{"set StringForPrinting \"#1\"", "set StringForPrinting=#1"},
        Case{"set UseReceiptRibbon true", "set UseReceiptRibbon=-1"},
        Case{"set UseReceiptRibbon -1", "set UseReceiptRibbon=-1"},
        Case{"set UseReceiptRibbon 0", "set UseReceiptRibbon=0"},
        Case{"set Date 2026-12-11", "set Date=2026-12-11T00:00:00.000"},
        Case{"set Date 11.12.2026", "set Date=2026-12-11T00:00:00.000"},
        Case{"set Time 14:30:05", "set Time=1899-12-30T14:30:05.000"},
        Case{"set Date \"11.12.2026 14:30\"", "set Date=2026-12-11T14:30:00.000"},
        Case{"set Quantity 1,5", "set Quantity=1.5"},
        Case{"set TLVData \"01 0A ff\"", "set TLVData=\x01\n\xC3\xBF"},
        Case{"get ECRMode", "get ECRMode"},
        Case{"call GetShortECRStatus", "call GetShortECRStatus"},
        Case{"expect Summ1 246.9000", "expect Summ1=246.9000"},
        Case{"expect StringForPrinting \"a b\"", "expect StringForPrinting=a b"},
        Case{"expect ModelParamValue anything", "expect ModelParamValue=anything"},
        Case{"expect-result 0", "expect-result 0"}, Case{"expect-result -3", "expect-result -3"}));

INSTANTIATE_TEST_SUITE_P(
    ScriptErrors, ScriptLine,
    ::testing::Values(
        Case{"sett Password 30",
             "error: неизвестная команда \"sett\" (допустимы set, get, call, expect, "
             "expect-result)"},
        Case{"SET Password 30",
             "error: неизвестная команда \"SET\" (допустимы set, get, call, expect, "
             "expect-result)"},
        Case{"set Pasword 30", "error: неизвестное свойство \"Pasword\""},
        Case{"set password 30", "error: неизвестное свойство \"password\""},
        Case{"set", "error: не указано имя свойства"},
        Case{"set Password", "error: не указано значение свойства Password"},
        Case{"set Password abc",
             "error: значение \"abc\" не подходит для свойства Password "
             "(целое число)"},
        Case{"set Password 99999999999",
             "error: значение \"99999999999\" не подходит для "
             "свойства Password (целое число)"},
        Case{"set UseReceiptRibbon yes",
             "error: значение \"yes\" не подходит для свойства UseReceiptRibbon (логическое "
             "значение: true, false, 1, 0 или -1)"},
        Case{"set Summ1 1.23456",
             "error: значение \"1.23456\" не подходит для свойства Summ1 "
             "(денежная сумма, не более четырёх знаков после запятой)"},
        Case{"set Quantity 1e5",
             "error: значение \"1e5\" не подходит для свойства Quantity "
             "(число)"},
        Case{"set Date 2026-13-01",
             "error: значение \"2026-13-01\" не подходит для свойства Date (дата и время: "
             "2026-12-11, 11.12.2026, 14:30:05)"},
        Case{"set TLVData 0A1",
             "error: значение \"0A1\" не подходит для свойства TLVData (байты в "
             "шестнадцатеричном виде: 02 1E FF)"},
        Case{"set StringForPrinting \"open", "error: нет закрывающей кавычки"},
        Case{"set StringForPrinting \"a\" b", "error: лишний текст после закрывающей кавычки"},
        Case{"set ResultCode 5", "error: свойство ResultCode только для чтения"},
        Case{"get", "error: после get нужно одно имя свойства"},
        Case{"get ECRMode ECRAdvancedMode", "error: после get нужно одно имя свойства"},
        Case{"get Nope", "error: неизвестное свойство \"Nope\""},
        Case{"call", "error: после call нужно одно имя метода"},
        Case{"call Beep now", "error: после call нужно одно имя метода"},
        Case{"call Bleep", "error: неизвестный метод \"Bleep\""},
        Case{"call ECRMode", "error: неизвестный метод \"ECRMode\""},
        Case{"expect ECRMode four",
             "error: значение \"four\" не подходит для свойства ECRMode (целое число)"},
        Case{"expect ECRMode", "error: не указано значение свойства ECRMode"},
        Case{"expect-result", "error: после expect-result нужен код результата, целое число"},
        Case{"expect-result ok", "error: после expect-result нужен код результата, целое число"},
        Case{"expect-result 0 1", "error: после expect-result нужен код результата, целое число"}));

}  // namespace
