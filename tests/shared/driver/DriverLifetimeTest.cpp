#include "DriverControlFactory.h"
#include "DriverErrors.h"
#include "RecordingDriver.h"
#include "RecordingDriverScope.h"
#include "TDriver.h"

#include <gtest/gtest.h>

namespace {

TEST(DriverLifetime, CreatesOnceAndAgainAfterFree) {
  RecordingDriverScope scope;
  EXPECT_FALSE(DriverExists());
  TDriver* first = &Driver();
  EXPECT_TRUE(DriverExists());
  EXPECT_EQ(&Driver(), first);
  FreeDriver();
  EXPECT_FALSE(DriverExists());
  Driver().setPassword(7);
  EXPECT_TRUE(DriverExists());
  EXPECT_EQ(scope.recorder().writes(), QStringList({"Password=7"}));
}

TEST(DriverLifetime, FailedCreationLeavesNoObjectAndTriesAgain) {
  FreeDriver();
  int attempts = 0;
  auto previous = setDriverControlFactory([&attempts]() -> std::unique_ptr<IFerox> {
    if (++attempts == 1) throw FeroxError(QStringLiteral("Класс не зарегистрирован"));
    return std::make_unique<RecordingDriver>();
  });
  try {
    Driver();
    FAIL() << "expected the creation error";
  } catch (const DriverCallError& error) {
    EXPECT_EQ(error.message(), "Ошибка создания объекта драйвера: Класс не зарегистрирован");
  }
  EXPECT_FALSE(DriverExists());
  EXPECT_NO_THROW(Driver());
  EXPECT_TRUE(DriverExists());
  EXPECT_EQ(attempts, 2);
  FreeDriver();
  setDriverControlFactory(std::move(previous));
}

TEST(DriverLifetime, NoFactoryIsAClearCreationError) {
  FreeDriver();
  auto previous = setDriverControlFactory({});
  try {
    Driver();
    FAIL() << "expected the creation error";
  } catch (const DriverCallError& error) {
    EXPECT_TRUE(error.message().startsWith("Ошибка создания объекта драйвера: "));
  }
  EXPECT_FALSE(DriverExists());
  setDriverControlFactory(std::move(previous));
}

}  // namespace
