#include "DriverControlFactory.h"

#include "DriverErrors.h"

#include <mutex>

namespace {

std::mutex factoryMutex;
DriverControlFactory installedFactory;

}  // namespace

DriverControlFactory setDriverControlFactory(DriverControlFactory factory) {
  const std::lock_guard lock(factoryMutex);
  return std::exchange(installedFactory, std::move(factory));
}

std::unique_ptr<IFerox> createDriverControl() {
  DriverControlFactory factory;
  {
    const std::lock_guard lock(factoryMutex);
    factory = installedFactory;
  }
  if (!factory) throw DriverCallError(QStringLiteral("Реализация драйвера не подключена"));
  auto control = factory();
  if (!control) throw DriverCallError(QStringLiteral("Фабрика драйвера не создала объект"));
  return control;
}
