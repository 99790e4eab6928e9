#include "DriverErrors.h"
#include "RecordingDriverScope.h"
#include "TDriver.h"

#include <QLocale>

#include <gtest/gtest.h>

#include <functional>

namespace {

class TDriverTest : public ::testing::Test {
 protected:
  RecordingDriverScope scope;
  RecordingDriver& recorder = scope.recorder();
};

TEST_F(TDriverTest, CheckAbortsSilentlyOnAnyNonZeroCode) {
  EXPECT_NO_THROW(TDriver::Check(0));
  EXPECT_THROW(TDriver::Check(1), SilentAbort);
  EXPECT_THROW(TDriver::Check(-1), SilentAbort);
}

TEST_F(TDriverTest, ReadsModelParametersThroughNumberAndValue) {
  recorder.on("ReadModelParamValue").setsInTurn("ModelParamValue", {QStringLiteral("55"), true, -1, 1});
  EXPECT_EQ(Driver().MaxLineWidth(), 55);
  EXPECT_TRUE(Driver().CapFN());
  EXPECT_TRUE(Driver().CapCutterPresent());
  EXPECT_FALSE(Driver().CapJournal());
  EXPECT_EQ(recorder.writesAndCalls(),
            QStringList({"ModelParamNumber=55", "ReadModelParamValue()", "ModelParamNumber=71",
                         "ReadModelParamValue()", "ModelParamNumber=35", "ReadModelParamValue()",
                         "ModelParamNumber=22", "ReadModelParamValue()"}));
}

TEST_F(TDriverTest, ModelParameterFailuresAbortOrRaiseAConversionError) {
  recorder.on("ReadModelParamValue").returns({3, 0}).sets("ModelParamValue", QStringLiteral("x1"));
  EXPECT_THROW(Driver().GetModelID(), SilentAbort);
  try {
    Driver().GetModelID();
    FAIL() << "expected a conversion error";
  } catch (const FeroxError& error) {
    EXPECT_EQ(error.message(), "\"x1\" не является целым числом");
  }
}

TEST_F(TDriverTest, RecognisesModelType2ByIdentifier) {
  const std::pair<int, bool> cases[] = {{16, true}, {46, true}, {30, true}, {0, false},
                                        {17, false}, {31, false}, {47, false}};
  for (const auto& [id, expected] : cases) {
    recorder.on("ReadModelParamValue").sets("ModelParamValue", id);
    EXPECT_EQ(Driver().IsModelType2(), expected) << id;
  }
}

struct TableCase {
  const char* name;
  std::function<void(TDriver&)> action;
  QStringList journal;
};

TEST_F(TDriverTest, TableHelpersMapTables18And19OnlyWhereTheyShould) {
  recorder.on("ReadModelParamValue").does([](RecordingDriver& r) {
    const int number = valueToInt(r.value("ModelParamNumber"));
    r.preset("ModelParamValue", number == 0x48 ? 14 : 15);
  });
  const TableCase cases[] = {
      {"ReadTableInt 18", [](TDriver& d) { d.ReadTableInt(18, 1, 2); },
       {"RowNumber=1", "ModelParamNumber=72", "ReadModelParamValue()", "TableNumber=14",
        "FieldNumber=2", "ReadTable()"}},
      {"ReadTableStr 19", [](TDriver& d) { d.ReadTableStr(19, 1, 3); },
       {"RowNumber=1", "ModelParamNumber=73", "ReadModelParamValue()", "TableNumber=15",
        "FieldNumber=3", "ReadTable()"}},
      {"ReadTableInt 1", [](TDriver& d) { d.ReadTableInt(1, 1, 7); },
       {"RowNumber=1", "TableNumber=1", "FieldNumber=7", "ReadTable()"}},
      {"ReadTableDef 18", [](TDriver& d) { d.ReadTableDef(18, 1, 2, 5); },
       {"RowNumber=1", "TableNumber=18", "FieldNumber=2", "ReadTable()"}},
      {"WriteTableInt 18", [](TDriver& d) { d.WriteTableInt(18, 1, 2, 9); },
       {"TableNumber=18", "RowNumber=1", "FieldNumber=2", "ValueOfFieldInteger=9",
        "WriteTable()"}},
  };
  for (const TableCase& c : cases) {
    SCOPED_TRACE(c.name);
    recorder.clearJournal();
    c.action(Driver());
    EXPECT_EQ(recorder.writesAndCalls(), c.journal);
  }
}

TEST_F(TDriverTest, TableReadsReturnTheFieldOrTheDefault) {
  recorder.on("ReadTable").returns({0, 0, 0, 93, 2}).sets("ValueOfFieldInteger", 42).sets(
      "ValueOfFieldString", QStringLiteral("Кассир"));
  EXPECT_EQ(Driver().ReadTableInt(1, 1, 1), 42);
  EXPECT_EQ(Driver().ReadTableStr(2, 1, 2), "Кассир");
  EXPECT_EQ(Driver().ReadTableDef(1, 1, 1, 7), 42);
  EXPECT_EQ(Driver().ReadTableDef(1, 1, 1, 7), 7);
  EXPECT_THROW(Driver().ReadTableInt(1, 1, 1), SilentAbort);
  recorder.on("WriteTable").returns({93});
  EXPECT_THROW(Driver().WriteTableInt(1, 1, 1, 1), SilentAbort);
}

TEST_F(TDriverTest, TagHelpersSetNumberTypeAndValueThenCallTheirMethod) {
  const QDateTime moment(QDate(2026, 12, 11), QTime(10, 30), Qt::UTC);
  const TableCase cases[] = {
      {"AddTagByte", [](TDriver& d) { d.AddTagByte(1212, 1); },
       {"TagNumber=1212", "TagType=0", "TagValueInt=1", "FNAddTag()"}},
      {"AddTagStr", [](TDriver& d) { d.AddTagStr(1225, QStringLiteral("ООО")); },
       {"TagNumber=1225", "TagType=7", "TagValueStr=ООО", "FNAddTag()"}},
      {"AddTagUnixTime", [&](TDriver& d) { d.AddTagUnixTime(1273, moment); },
       {"TagNumber=1273", "TagType=6", "TagValueDateTime=2026-12-11T10:30:00.000Z", "FNAddTag()"}},
      {"AddTagVLN", [](TDriver& d) { d.AddTagVLN(1043, QStringLiteral("100")); },
       {"TagNumber=1043", "TagType=3", "TagValueVLN=100", "FNAddTag()"}},
      {"BeginSTLVTag", [](TDriver& d) { d.BeginSTLVTag(1223); },
       {"TagNumber=1223", "FNBeginSTLVTag()"}},
      {"SendSTLVTag", [](TDriver& d) { d.SendSTLVTag(1223); },
       {"TagNumber=1223", "FNSendSTLVTag()"}},
      {"SendSTLVTagOperation", [](TDriver& d) { d.SendSTLVTagOperation(1223); },
       {"TagNumber=1223", "FNSendSTLVTagOperation()"}},
      {"SendTagStr", [](TDriver& d) { d.SendTagStr(1008, QStringLiteral("a@b.ru")); },
       {"TagNumber=1008", "TagType=7", "TagValueStr=a@b.ru", "FNSendTag()"}},
      {"SendTagStrOperation", [](TDriver& d) { d.SendTagStrOperation(1191, QStringLiteral("x")); },
       {"TagNumber=1191", "TagType=7", "TagValueStr=x", "FNSendTagOperation()"}},
      {"SendTagUnixTime", [&](TDriver& d) { d.SendTagUnixTime(1273, moment); },
       {"TagNumber=1273", "TagType=6", "TagValueDateTime=2026-12-11T10:30:00.000Z", "FNSendTag()"}},
      {"SendTagUnixTimeOperation", [&](TDriver& d) { d.SendTagUnixTimeOperation(1273, moment); },
       {"TagNumber=1273", "TagType=6", "TagValueDateTime=2026-12-11T10:30:00.000Z",
        "FNSendTagOperation()"}},
  };
  for (const TableCase& c : cases) {
    SCOPED_TRACE(c.name);
    recorder.clearJournal();
    c.action(Driver());
    EXPECT_EQ(recorder.writesAndCalls(), c.journal);
  }
  recorder.on("FNSendTag").returns({1});
  EXPECT_THROW(Driver().SendTagStr(1008, QStringLiteral("x")), SilentAbort);
}

TEST_F(TDriverTest, AmountToStrUsesTwoDecimalsOnlyWithPointPosition) {
  const QLocale saved;
  QLocale::setDefault(QLocale(QLocale::Russian));
  struct Case {
    const char* amount;
    bool pointPosition;
    const char* text;
  };
  const Case cases[] = {
      {"12.3456", true, "12,35"}, {"12.3456", false, "12"}, {"-12.3456", false, "-12"},
      {"-12.345", true, "-12,35"}, {"0.0049", true, "0,00"}, {"-0.0049", true, "0,00"},
      {"99.995", true, "100,00"},  {"5", true, "5,00"},
  };
  for (const Case& c : cases) {
    recorder.preset("PointPosition", c.pointPosition);
    EXPECT_EQ(Driver().AmountToStr(Currency::fromString(QString::fromUtf8(c.amount))), c.text)
        << c.amount << " " << c.pointPosition;
  }
  QLocale::setDefault(saved);
}

TEST_F(TDriverTest, PrintStringWidthComesFromFontMetricsUnderTheAdminPassword) {
  recorder.preset("Password", 1).preset("SysAdminPassword", 30);
  recorder.on("GetFontMetrics").sets("PrintWidth", 576).setsInTurn("CharWidth", {12, 0});
  EXPECT_EQ(Driver().GetPrintStringWidth(2), 48);
  EXPECT_EQ(Driver().GetPrintStringWidth(2), 40);
  EXPECT_EQ(Driver().Password(), 1);
  EXPECT_EQ(recorder.writesAndCalls().mid(0, 4),
            QStringList({"Password=30", "FontType=2", "GetFontMetrics()", "Password=1"}));
}

TEST_F(TDriverTest, PrintStringWidthRestoresThePasswordWhenItAborts) {
  recorder.preset("Password", 1).preset("SysAdminPassword", 30);
  recorder.on("GetFontMetrics").returns({55});
  EXPECT_THROW(Driver().GetPrintStringWidth(1), SilentAbort);
  EXPECT_EQ(valueToInt(recorder.value("Password")), 1);
}

class PrintTextTest : public TDriverTest {
 protected:
  void SetUp() override {
    recorder.on("GetFontMetrics").sets("PrintWidth", 400).sets("CharWidth", 10);
  }
  QStringList printedStrings() const {
    QStringList printed;
    QString pending;
    for (const QString& entry : recorder.writesAndCalls()) {
      if (entry.startsWith(QStringLiteral("StringForPrinting="))) pending = entry.mid(18);
      if (entry == QStringLiteral("PrintStringWithFont()")) printed << pending;
    }
    return printed;
  }
};

TEST_F(PrintTextTest, FontZeroLetsTheDriverWrap) {
  Driver().PrintText(QStringLiteral("abc\ndef"), 0);
  EXPECT_EQ(recorder.writesAndCalls(),
            QStringList({"StringForPrinting=abc\ndef", "PrintStringWithWrap()"}));
}

TEST_F(PrintTextTest, CutsLinesAtTheFontWidthAndPrintsEmptyLines) {
  const QString hundred(100, u'x');
  Driver().PrintText(hundred + QStringLiteral("\r\n\r\nend\n"), 2);
  EXPECT_EQ(printedStrings(),
            QStringList({QString(40, u'x'), QString(40, u'x'), QString(20, u'x'), QString(), "end"}));
}

TEST_F(PrintTextTest, RetriesWhileBusyThenContinues) {
  recorder.on("PrintStringWithFont").returns({80, 75, 0});
  Driver().PrintText(QStringLiteral("a\nb"), 1);
  EXPECT_EQ(recorder.callCount("PrintStringWithFont"), 4);
  EXPECT_EQ(printedStrings(), QStringList({"a", "a", "a", "b"}));
}

TEST_F(PrintTextTest, GivesUpAfterTheFifthBusyAnswerAndAborts) {
  recorder.on("PrintStringWithFont").returns({80});
  EXPECT_THROW(Driver().PrintText(QStringLiteral("a\nb"), 1), SilentAbort);
  EXPECT_EQ(recorder.callCount("PrintStringWithFont"), 5);
}

TEST_F(PrintTextTest, StopsTheRestOfTheTextOnAnError) {
  recorder.on("PrintStringWithFont").returns({0, 107});
  EXPECT_THROW(Driver().PrintText(QStringLiteral("a\nb\nc"), 1), SilentAbort);
  EXPECT_EQ(printedStrings(), QStringList({"a", "b"}));
}

TEST_F(PrintTextTest, AZeroWidthFontStillFinishes) {
  recorder.on("GetFontMetrics").sets("PrintWidth", 0).sets("CharWidth", 10);
  Driver().PrintText(QString(50, u'y'), 1);
  EXPECT_EQ(printedStrings(), QStringList({QString(40, u'y'), QString(10, u'y')}));
}

TEST_F(TDriverTest, SendCommandCarriesHexTextBothWays) {
  recorder.on("ExchangeBytes").returns({0, 0, 55}).setsInTurn(
      "TransferBytes", {QStringLiteral("10 1E 0"), QStringLiteral("10 ZZ 1E"), QString()});
  QByteArray answer;
  EXPECT_EQ(Driver().SendCommand(QByteArray("\x10\x1e", 2), answer), 0);
  EXPECT_EQ(answer, QByteArray("\x10\x1e\x00", 3));
  EXPECT_EQ(recorder.writesAndCalls(),
            QStringList({"BinaryConversion=1", "TransferBytes=10 1E", "ExchangeBytes()"}));
  EXPECT_EQ(Driver().SendCommand(QByteArray("\x10", 1), answer), 0);
  EXPECT_EQ(answer, QByteArray("\x10", 1));
  EXPECT_EQ(Driver().SendCommand(QByteArray("\xff", 1)), 55);
}

}  // namespace
