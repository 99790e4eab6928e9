#include "RegisterUnderTest.h"
#include "ResultCodes.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <map>
#include <thread>

// A register that is killed in the middle of a stream of table writes keeps every write it
// acknowledged: the state is on disk before the answer leaves.
namespace {

constexpr int Table = 6;  // departments: 16 rows of names
constexpr int Rows = 16;

struct WriteStream {
  std::map<int, QString> acknowledged;  // the last acknowledged name of each row
  std::map<int, QString> unanswered;  // the write the kill cut short, which may or may not be there
  int writes = 0;
};

// Writes names to the rows in turn until the register stops answering.
WriteStream writeUntilTheLineDies(FeroxControl& control, int round) {
  WriteStream stream;
  control.setProperty("TableNumber", Table);
  control.setProperty("FieldNumber", 1);
  for (int n = 0;; ++n) {
    const int row = n % Rows + 1;
    const QString name = QStringLiteral("РАУНД %1 ЗАПИСЬ %2").arg(round).arg(n);
    control.setProperty("RowNumber", row);
    control.setProperty("ValueOfFieldString", name);
    const std::int32_t code = control.callMethod("WriteTable");
    if (code != result::Ok) {
      stream.unanswered[row] = name;
      return stream;
    }
    stream.acknowledged[row] = name;
    ++stream.writes;
  }
}

TEST(Durability, EveryAcknowledgedWriteSurvivesAKill) {
  RegisterUnderTest device(Transport::Tcp);
  // Moments of the kill after the stream starts: soon, early, later on.
  using std::chrono::milliseconds;
  const milliseconds moments[] = {milliseconds(20), milliseconds(120), milliseconds(400)};
  int round = 0;
  std::map<int, QString> expected;
  for (const auto moment : moments) {
    SCOPED_TRACE(moment.count());
    ++round;
    auto writer = device.newControl();
    writer->setProperty("Timeout", 5000);
    ASSERT_EQ(writer->callMethod("Connect"), result::Ok);
    WriteStream stream;
    std::thread writing([&] { stream = writeUntilTheLineDies(*writer, round); });
    std::this_thread::sleep_for(moment);
    device.daemon().kill();
    writing.join();

    device.restartDaemon();
    const auto reader = device.newControl();
    reader->setProperty("TableNumber", Table);
    reader->setProperty("FieldNumber", 1);
    for (const auto& [row, name] : stream.acknowledged) expected[row] = name;
    for (int row = 1; row <= Rows; ++row) {
      reader->setProperty("RowNumber", row);
      ASSERT_EQ(reader->callMethod("ReadTable"), result::Ok) << "row " << row;
      const QString found = valueToString(reader->getProperty("ValueOfFieldString"));
      const auto cut = stream.unanswered.find(row);
      if (cut != stream.unanswered.end() && found == cut->second) {
        expected[row] = found;
        continue;
      }
      const QString wanted =
          expected.contains(row) ? expected[row] : QStringLiteral("ОТДЕЛ %1").arg(row);
      EXPECT_EQ(found, wanted) << "row " << row << " after " << stream.writes << " writes";
    }
  }
}

}  // namespace
