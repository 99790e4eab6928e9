#include "BusyRetry.h"
#include "DeviceCapabilities.h"
#include "DeviceTables.h"
#include "EnrollaDriverScope.h"
#include "FFDVersion.h"
#include "FeroxError.h"
#include "FiscalTags.h"
#include "WizardDriver.h"

#include <gtest/gtest.h>

#include <map>

using namespace Enrolla;

namespace {

// The recording driver with the model's table numbers and capabilities as parameters.
class DriverAccessTest : public ::testing::Test {
 protected:
  DriverAccessTest() {
    previousWait_ =
        setBusyWait([this](std::chrono::milliseconds pause) { pauses.push_back(pause); });
    recorder.on("ReadModelParamValue").does([this](RecordingDriver& driver) {
      const auto found = modelParams.find(valueToInt(driver.value("ModelParamNumber")));
      if (found != modelParams.end()) driver.preset("ModelParamValue", found->second);
    });
    recorder.clearJournal();
  }
  ~DriverAccessTest() override { setBusyWait(std::move(previousWait_)); }

  // What a call raises; empty when it raises nothing.
  static QString errorOf(const std::function<void()>& call) {
    try {
      call();
    } catch (const FeroxError& error) {
      return error.message();
    }
    return {};
  }

  EnrollaDriverScope scope;
  RecordingDriver& recorder = scope.recorder();
  std::map<std::int32_t, DriverValue> modelParams{{72, 6}, {73, 7}, {75, 9}, {28, false}};
  std::vector<std::chrono::milliseconds> pauses;

 private:
  BusyWait previousWait_;
};

TEST_F(DriverAccessTest, TheDriverIsCreatedOnceWithItsOwnOFDExchangeSuspended) {
  FreeDriver();
  EXPECT_FALSE(DriverExists());
  CreateDriver();
  CreateDriver();
  Driver();
  EXPECT_EQ(scope.controlsCreated(), 2);  // the fixture's first one, then this one
  EXPECT_EQ(scope.recorder().writes(), QStringList{"OFDExchangeSuspended=true"});
  FreeDriver();
  EXPECT_FALSE(DriverExists());
}

TEST_F(DriverAccessTest, DisconnectingWithoutADriverCreatesNone) {
  FreeDriver();
  DisconnectDriver();
  EXPECT_FALSE(DriverExists());
  EXPECT_EQ(scope.controlsCreated(), 1);
}

TEST_F(DriverAccessTest, AFailedResultRaisesItsCodeAndTheDriversDescription) {
  recorder.describe(93, QStringLiteral("Нет такой таблицы"));
  recorder.on("ReadTable").returns({93});
  recorder.on("Beep").returns({-1});
  recorder.describe(-1, QStringLiteral("Нет связи"));
  EXPECT_EQ(errorOf([] { CheckResult(Driver().ReadTable()); }),
            QStringLiteral("Ошибка 93, Нет такой таблицы"));
  EXPECT_EQ(errorOf([] { CheckResult(Driver().Beep()); }), QStringLiteral("Ошибка -1, Нет связи"));
  EXPECT_EQ(errorOf([] { CheckResult(0); }), QString());
}

TEST_F(DriverAccessTest, ModelDependentTablesAreAskedOfTheModelAndOthersAreNot) {
  const struct {
    std::int32_t logical, modelParam, table;
  } cases[] = {{18, 72, 6}, {19, 73, 7}, {24, 75, 9}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.logical);
    recorder.clearJournal();
    EXPECT_EQ(CorrectTableNumber(c.logical), c.table);
    EXPECT_EQ(recorder.writesAndCalls(),
              QStringList({QStringLiteral("ModelParamNumber=%1").arg(c.modelParam),
                           "ReadModelParamValue()"}));
  }
  recorder.clearJournal();
  EXPECT_EQ(CorrectTableNumber(17), 17);
  EXPECT_TRUE(recorder.all().isEmpty());

  recorder.on("ReadModelParamValue").returns({2});
  EXPECT_EQ(errorOf([] { CorrectTableNumber(18); }), QStringLiteral("Ошибка 2, Ошибка 2"));
}

TEST_F(DriverAccessTest, ATableReadMapsTheTableThenSelectsTheField) {
  recorder.on("ReadTable").sets("ValueOfFieldString", QStringLiteral("ООО Ромашка"));
  EXPECT_EQ(ReadTableStr(18, 1, 7), QStringLiteral("ООО Ромашка"));
  EXPECT_EQ(recorder.writesAndCalls(),
            QStringList({"ModelParamNumber=72", "ReadModelParamValue()", "TableNumber=6",
                         "RowNumber=1", "FieldNumber=7", "ReadTable()"}));

  recorder.on("ReadTable").sets("ValueOfFieldInteger", 7779);
  EXPECT_EQ(ReadTableInt(21, 1, 4), 7779);
}

TEST_F(DriverAccessTest, OptionalReadsTakeAMissingFieldAsEmptyAndRaiseOtherFailures) {
  recorder.describe(94, QStringLiteral("Неверное значение"));
  const struct {
    const char* name;
    std::int32_t result;
    std::function<QString()> read;
    QString value, error;
  } cases[] = {
      {"text field present", 0, [] { return ReadTableStrOpt(18, 1, 15); }, "a@b.ru", {}},
      {"integer field present",
       0,
       [] { return QString::number(ReadTableIntOpt(18, 1, 16)); },
       "5",
       {}},
      {"text field missing", 93, [] { return ReadTableStrOpt(18, 1, 15); }, "", {}},
      {"integer field missing",
       93,
       [] { return QString::number(ReadTableIntOpt(18, 1, 16)); },
       "0",
       {}},
      {"text field failing",
       94,
       [] { return ReadTableStrOpt(18, 1, 15); },
       {},
       "Ошибка 94, Неверное значение"},
      {"plain read of a missing field",
       93,
       [] { return ReadTableStr(18, 1, 15); },
       {},
       "Ошибка 93, Ошибка 93"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    recorder.on("ReadTable")
        .returns({c.result})
        .sets("ValueOfFieldString", QStringLiteral("a@b.ru"))
        .sets("ValueOfFieldInteger", 5);
    QString value;
    EXPECT_EQ(errorOf([&] { value = c.read(); }), c.error);
    EXPECT_EQ(value, c.value);
  }
}

TEST_F(DriverAccessTest, AnIntegerGoesIntoATextFieldAsItsDecimalText) {
  const struct {
    bool textField;
    QString valueWrite;
  } cases[] = {{true, "ValueOfFieldString=42"}, {false, "ValueOfFieldInteger=42"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.textField);
    recorder.clearJournal();
    recorder.on("GetFieldStruct").sets("FieldType", c.textField);
    WriteTableValue(19, 1, 2, 42);
    EXPECT_EQ(
        recorder.writesAndCalls(),
        QStringList({"ModelParamNumber=73", "ReadModelParamValue()", "TableNumber=7", "RowNumber=1",
                     "FieldNumber=2", "GetFieldStruct()", c.valueWrite, "WriteTable()"}));
  }
}

TEST_F(DriverAccessTest, TableWritesAskNothingMoreThanTheyNeed) {
  WriteTableInt(18, 22, 5);
  EXPECT_EQ(
      recorder.writesAndCalls(),
      QStringList({"ModelParamNumber=72", "ReadModelParamValue()", "TableNumber=6", "RowNumber=1",
                   "FieldNumber=22", "ValueOfFieldInteger=5", "WriteTable()"}));
  recorder.clearJournal();
  WriteTableStr(2, 30, 2, QStringLiteral("Кассир Иванов"));
  EXPECT_EQ(recorder.writesAndCalls(),
            QStringList({"TableNumber=2", "RowNumber=30", "FieldNumber=2",
                         "ValueOfFieldString=Кассир Иванов", "WriteTable()"}));
}

TEST_F(DriverAccessTest, AFailedTableWriteRaises) {
  recorder.on("WriteTable").returns({95});
  EXPECT_EQ(errorOf([] { WriteTableStr(2, 30, 2, QStringLiteral("Иванов")); }),
            QStringLiteral("Ошибка 95, Ошибка 95"));
  recorder.on("GetFieldStruct").returns({93});
  EXPECT_EQ(errorOf([] { WriteTableValue(17, 1, 17, 2); }), QStringLiteral("Ошибка 93, Ошибка 93"));
  EXPECT_EQ(recorder.callCount("WriteTable"), 1);
}

TEST_F(DriverAccessTest, TagSendsRepeatWhileTheRegisterIsBusy) {
  const struct {
    std::vector<std::int32_t> results;
    int calls;
    QString error;
  } cases[] = {
      {{0}, 1, {}},
      {{80, 0}, 2, {}},
      {{75, 80, 0}, 3, {}},
      {{3}, 1, "Ошибка 3, Ошибка 3"},
      {{80, 3}, 2, "Ошибка 3, Ошибка 3"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.calls);
    RecordingDriver& fresh = scope.recorder();
    fresh.clearJournal();
    pauses.clear();
    fresh.on("FNSendTag").returns(c.results);
    EXPECT_EQ(errorOf([] { SendTagStr(1203, QStringLiteral("123456789047")); }), c.error);
    EXPECT_EQ(fresh.callCount("FNSendTag"), c.calls);
    EXPECT_EQ(pauses, std::vector<std::chrono::milliseconds>(std::size_t(c.calls - 1), BusyPause));
    FreeDriver();
  }
}

TEST_F(DriverAccessTest, ARegisterThatStaysBusyEndsInItsBusyError) {
  recorder.on("FNSendTag").returns({80});
  recorder.describe(80, QStringLiteral("Идет печать предыдущей команды"));
  EXPECT_EQ(errorOf([] { SendTagByte(1057, 4); }),
            QStringLiteral("Ошибка 80, Идет печать предыдущей команды"));
  EXPECT_EQ(recorder.callCount("FNSendTag"), BusyAttempts);
  EXPECT_EQ(pauses.size(), std::size_t(BusyAttempts - 1));
  EXPECT_EQ(pauses.front(), std::chrono::milliseconds(50));
}

TEST_F(DriverAccessTest, TagSendsSetTheTagItsValueAndItsType) {
  SendTagStr(1203, QStringLiteral("123456789047"));
  SendTagByte(1057, 4);
  EXPECT_EQ(recorder.writesAndCalls(),
            QStringList({"TagNumber=1203", "TagValueStr=123456789047", "TagType=7", "FNSendTag()",
                         "TagNumber=1057", "TagValueInt=4", "TagType=0", "FNSendTag()"}));
}

TEST_F(DriverAccessTest, TheCashCoreIsTheModelsFlagAndAFailedReadIsNoFlag) {
  const struct {
    DriverValue value;
    std::int32_t result;
    bool cashCore;
  } cases[] = {
      {true, 0, true}, {false, 0, false}, {-1, 0, true}, {0, 0, false}, {true, 55, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(journalValueText(c.value).toStdString() + " " + std::to_string(c.result));
    modelParams[28] = c.value;
    recorder.on("ReadModelParamValue").returns({c.result});
    EXPECT_EQ(CapCashCore(), c.cashCore);
  }
}

TEST_F(DriverAccessTest, IdentifyingTheModelAsksTheRegisterFirst) {
  modelParams[28] = true;
  recorder.on("GetDeviceMetrics").setsInTurn("UModel", {16, 19, 16});
  EXPECT_TRUE(IsCashCore());
  EXPECT_TRUE(IsModel19());
  EXPECT_FALSE(IsModel19());
  EXPECT_EQ(recorder.calls(), QStringList({"GetDeviceMetrics()", "ReadModelParamValue()",
                                           "GetDeviceMetrics()", "GetDeviceMetrics()"}));

  recorder.on("GetDeviceMetrics").returns({-1});
  EXPECT_EQ(errorOf([] { IsCashCore(); }), QStringLiteral("Ошибка -1, Ошибка -1"));
}

// The table, field and value of every table write in the journal, as "table/field=value".
QStringList tableWrites(const RecordingDriver& recorder) {
  QStringList writes;
  QString table, field;
  for (const QString& entry : recorder.writes()) {
    if (entry.startsWith("TableNumber=")) table = entry.section('=', 1);
    if (entry.startsWith("FieldNumber=")) field = entry.section('=', 1);
    if (entry.startsWith("ValueOfField"))
      writes << table + '/' + field + '=' + entry.section('=', 1);
  }
  return writes;
}

TEST_F(DriverAccessTest, TheFormatVersionLivesInTheTableOfTheRegistersKind) {
  const struct {
    bool cashCore;
    std::int32_t version;
    QStringList writes;
  } cases[] = {
      {true, 1, {"10/29=0"}},
      {true, 2, {"10/29=2"}},
      {true, 4, {"10/29=4"}},
      {false, 0, {"17/17=0"}},
      {false, 2, {"17/17=2", "17/3=2"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.cashCore) + " " + std::to_string(c.version));
    modelParams[28] = c.cashCore;
    recorder.clearJournal();
    WriteFFDVersion(c.version);
    EXPECT_EQ(tableWrites(recorder), c.writes);
  }

  recorder.on("ReadTable").sets("ValueOfFieldInteger", 4);
  for (const bool cashCore : {true, false}) {
    modelParams[28] = cashCore;
    recorder.clearJournal();
    EXPECT_EQ(ReadFFDVersion(), 4);
    EXPECT_EQ(recorder.writes().mid(recorder.writes().indexOf("ModelParamNumber=28") + 1),
              cashCore ? QStringList({"TableNumber=10", "RowNumber=1", "FieldNumber=4"})
                       : QStringList({"TableNumber=17", "RowNumber=1", "FieldNumber=17"}));
  }
}

}  // namespace
