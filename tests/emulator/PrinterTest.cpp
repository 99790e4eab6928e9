#include "RegisterFixture.h"
#include "ResultCodes.h"

namespace {

using P = PropertyId;
using Station = PaperTape::Station;

wire::Properties printing(const QString& text, wire::Properties more = {}) {
  wire::Properties inputs = asAdmin(
      {{P::UseReceiptRibbon, true}, {P::UseJournalRibbon, false}, {P::StringForPrinting, text}});
  inputs.insert(inputs.end(), more.begin(), more.end());
  return inputs;
}

QStringList tapeLines(const QString& tape) { return tape.split(u'\n', Qt::SkipEmptyParts); }

TEST_F(RegisterTest, PrintedStringsAppearOnTheTapeOfTheirStation) {
  ASSERT_EQ(result("PrintString", printing(QStringLiteral("Строка для печати"))), 0);
  ASSERT_EQ(result("PrintString",
                   printing(QStringLiteral("На обе ленты"), {{P::UseJournalRibbon, true}})),
            0);
  EXPECT_EQ(tape(Station::Receipt), u"Строка для печати\nНа обе ленты\n");
  EXPECT_EQ(tape(Station::Journal), u"На обе ленты\n");
}

struct LayoutCase {
  const char* method;
  wire::Properties extra;
  QString text;
  QStringList printed;
};

TEST_F(RegisterTest, StringsAreLaidOutByFontWidth) {
  const QString long100(100, u'ж');
  const LayoutCase cases[] = {
      {"PrintString", {}, long100, {long100.left(48)}},
      {"PrintString",
       {{P::CarryStrings, true}},
       long100,
       {long100.left(48), long100.left(48), long100.left(4)}},
      {"PrintStringWithWrap", {}, QStringLiteral("раз\nдва"), {"раз", "два"}},
      {"PrintStringWithFont", {{P::FontType, std::int32_t(3)}}, long100, {long100.left(24)}},
      {"PrintWideString", {}, QStringLiteral("ИТОГ"), {"И Т О Г"}},
      {"PrintString", {}, QStringLiteral("a\tb€日"), {"a b€?"}},
  };
  for (const LayoutCase& c : cases) {
    SCOPED_TRACE(c.method);
    QFile::remove(device->tapePath(Station::Receipt));
    wire::Properties extra = {{P::CarryStrings, false}};
    extra.insert(extra.end(), c.extra.begin(), c.extra.end());
    ASSERT_EQ(result(c.method, printing(c.text, extra)), 0);
    EXPECT_EQ(tapeLines(tape()), c.printed);
  }
}

TEST_F(RegisterTest, PrintCommandsRefuseWhatTheModelCannotDo) {
  EXPECT_EQ(result("PrintStringWithFont", printing("x", {{P::FontType, std::int32_t(8)}})),
            result::InvalidParameters);
  EXPECT_EQ(result("PrintString", printing("x", {{P::UseReceiptRibbon, false}})),
            result::InvalidParameters);
  EXPECT_EQ(result("FeedDocument", printing("", {{P::StringQuantity, std::int32_t(0)}})),
            result::InvalidParameters);
  configure([](RegisterSettings& s) { s.profile = QStringLiteral("compact"); });
  EXPECT_EQ(result("CutCheck", asAdmin()), result::NotSupported) << "no cutter";
  EXPECT_EQ(result("PrintString", printing("только журнал", {{P::UseReceiptRibbon, false},
                                                             {P::UseJournalRibbon, true}})),
            result::InvalidParameters)
      << "no journal station";
  EXPECT_EQ(result("PrintString", printing("чек", {{P::UseJournalRibbon, true}})), 0);
  EXPECT_EQ(tape(Station::Journal), u"");
}

TEST_F(RegisterTest, CutsAndFeedsAreMarkedOnTheTape) {
  ASSERT_EQ(result("PrintString", printing("до отрезки")), 0);
  ASSERT_EQ(result("FeedDocument", printing("", {{P::StringQuantity, std::int32_t(2)}})), 0);
  ASSERT_EQ(result("CutCheck", asAdmin({{P::CutType, true}})), 0);
  ASSERT_EQ(result("CutCheck", asAdmin({{P::CutType, false}})), 0);
  const QStringList lines = tape().split(u'\n');
  ASSERT_EQ(lines.size(), 6);
  EXPECT_EQ(lines[0], u"до отрезки");
  EXPECT_EQ(lines[1], u"");
  EXPECT_EQ(lines[2], u"");
  EXPECT_EQ(lines[3], PaperTape::cutMark(true));
  EXPECT_EQ(lines[4], PaperTape::cutMark(false));
  EXPECT_TRUE(lines[3].contains(u"неполная отрезка"));
  EXPECT_TRUE(lines[4].contains(u"полная отрезка"));
}

TEST_F(RegisterTest, AnEmptyRollStopsPrintingUntilPaperIsBackAndPrintingContinues) {
  configure([](RegisterSettings& s) { s.printer.receiptPaper = false; });
  EXPECT_EQ(result("PrintString", printing("потеряно")), result::NoReceiptPaper);
  call("GetShortECRStatus", asAdmin());
  EXPECT_EQ(caller.ECRAdvancedMode(), 2);
  EXPECT_EQ(caller.LastPrintResult(), result::NoReceiptPaper);
  EXPECT_EQ(result("WaitForPrinting", asAdmin()), result::NoReceiptPaper);

  configure([](RegisterSettings& s) { s.printer.receiptPaper = true; });
  call("GetShortECRStatus", asAdmin());
  EXPECT_EQ(caller.ECRAdvancedMode(), 3);
  EXPECT_EQ(caller.ECRAdvancedModeDescription(), u"После активного отсутствия бумаги");
  EXPECT_EQ(result("PrintString", printing("рано")), result::ContinuePrintExpected);
  EXPECT_EQ(result("ContinuePrint", asAdmin()), 0);
  EXPECT_EQ(result("ContinuePrint", asAdmin()), result::WrongMode) << "nothing to continue";
  EXPECT_EQ(result("PrintString", printing("снова")), 0);
  EXPECT_EQ(result("WaitForPrinting", asAdmin()), 0);
  EXPECT_EQ(tape(), u"снова\n");
}

TEST_F(RegisterTest, AnOpenCoverStopsThePrinter) {
  configure([](RegisterSettings& s) { s.printer.coverOpen = true; });
  EXPECT_EQ(result("PrintString", printing("x")), result::CoverOpen);
  EXPECT_EQ(result("CutCheck", asAdmin()), result::CoverOpen);
  EXPECT_EQ(tape(), u"");
}

TEST_F(RegisterTest, FontMetricsFollowTheModelsPrintWidth) {
  ASSERT_EQ(result("GetFontMetrics", asAdmin({{P::FontType, std::int32_t(1)}})), 0);
  EXPECT_EQ(caller.PrintWidth(), 576);
  EXPECT_EQ(caller.CharWidth(), 12);
  EXPECT_EQ(caller.FontCount(), 7);
  configure([](RegisterSettings& s) { s.profile = QStringLiteral("compact"); });
  ASSERT_EQ(result("GetFontMetrics", asAdmin({{P::FontType, std::int32_t(2)}})), 0);
  EXPECT_EQ(caller.PrintWidth(), 384);
  EXPECT_EQ(caller.CharWidth(), 10);
  EXPECT_EQ(result("GetFontMetrics", asAdmin({{P::FontType, std::int32_t(0)}})),
            result::InvalidParameters);
}

}  // namespace
