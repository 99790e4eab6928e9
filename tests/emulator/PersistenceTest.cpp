#include "RegisterFixture.h"
#include "ResultCodes.h"
#include "SharedRegister.h"

#include <QDir>
#include <QFile>

#include <sqlite3.h>

namespace {

using P = PropertyId;

TEST_F(RegisterTest, StateSurvivesANewRegisterOnTheSameFolder) {
  ASSERT_EQ(result("GetECRStatus", asAdmin()), 0);
  const QString serial = caller.SerialNumber();
  const wire::Properties write = asAdmin({{P::TableNumber, std::int32_t(18)},
                                          {P::RowNumber, std::int32_t(1)},
                                          {P::FieldNumber, std::int32_t(9)},
                                          {P::ValueOfFieldString, QStringLiteral("г. Тверь")}});
  ASSERT_EQ(result("WriteTable", write), 0);
  ASSERT_EQ(result("SetExchangeParam", asAdmin({{P::PortNumber, std::int32_t(128)},
                                                {P::BaudRate, std::int32_t(9)},
                                                {P::Timeout, std::int32_t(500)},
                                                {P::TCPPort, std::int32_t(8000)}})),
            0);
  restart();
  ASSERT_EQ(result("ReadSerialNumber"), 0);
  EXPECT_EQ(caller.SerialNumber(), serial);
  ASSERT_EQ(result("ReadTable", asAdmin({{P::TableNumber, std::int32_t(18)},
                                         {P::RowNumber, std::int32_t(1)},
                                         {P::FieldNumber, std::int32_t(9)}})),
            0);
  EXPECT_EQ(caller.ValueOfFieldString(), u"г. Тверь");
  EXPECT_EQ(device->exchangeParams(128), (ExchangeParams{9, 500, 8000}));
}

TEST(RegisterStorage, ACorruptDatabaseAnswersAStorageErrorInsteadOfCrashing) {
  QTemporaryDir folder;
  QFile database(QDir(folder.path()).filePath(QStringLiteral("register.db")));
  ASSERT_TRUE(database.open(QIODevice::WriteOnly));
  database.write(QByteArray(8192, '\x5a'));
  database.close();
  const auto device = std::make_shared<VirtualRegister>(folder.path());
  EXPECT_TRUE(device->storageError().contains(u"повреждена"))
      << device->storageError().toStdString();
  RegisterSession session(device);
  const wire::Decoded answer = wire::decode(
      session.handlePayload(wire::encode(wire::MethodRequest{1, "GetDeviceMetrics", {}})));
  ASSERT_TRUE(answer.message.has_value());
  EXPECT_EQ(std::get<wire::MethodAnswer>(*answer.message).result, result::StorageFailure);
}

TEST(RegisterStorage, ADatabaseOfANewerSchemaIsNotTouched) {
  QTemporaryDir folder;
  const QByteArray path = QDir(folder.path()).filePath(QStringLiteral("register.db")).toUtf8();
  sqlite3* db = nullptr;
  ASSERT_EQ(sqlite3_open(path.constData(), &db), SQLITE_OK);
  sqlite3_exec(db, "PRAGMA user_version = 99", nullptr, nullptr, nullptr);
  sqlite3_close(db);
  VirtualRegister device(folder.path());
  EXPECT_TRUE(device.storageError().contains(u"99")) << device.storageError().toStdString();
}

TEST(RegisterStorage, OneRegisterPerFolderInAProcess) {
  QTemporaryDir folder;
  const auto first = sharedRegister(folder.path());
  const auto second = sharedRegister(folder.path() + QStringLiteral("/./"));
  EXPECT_EQ(first, second);
  EXPECT_TRUE(first->storageError().isEmpty());
  VirtualRegister intruder(folder.path());
  EXPECT_TRUE(intruder.storageError().contains(u"занята")) << intruder.storageError().toStdString();
  QTemporaryDir other;
  EXPECT_NE(sharedRegister(other.path()), first);
}

TEST(RegisterStorage, TheDefaultFolderFollowsTheEnvironment) {
  qputenv("FEROX_REGISTER_STATE", "/tmp/ferox-register-test");
  EXPECT_EQ(defaultStateDir(), u"/tmp/ferox-register-test");
  qunsetenv("FEROX_REGISTER_STATE");
  EXPECT_TRUE(defaultStateDir().endsWith(u"/Vortan/Ferox/VirtualRegister"));
}

}  // namespace
