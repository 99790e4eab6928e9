#include "DriverBusyGate.h"

#include "FeroxError.h"

#include <mutex>
#include <utility>

namespace {

struct GateState {
  std::mutex mutex;
  std::optional<QString> owner;
};

GateState& gate() {
  static GateState state;
  return state;
}

}  // namespace

DriverBusyGate::Holder::Holder(const QString& ownerCaption) {
  const std::lock_guard lock(gate().mutex);
  if (gate().owner) throw FeroxError(busyMessage(*gate().owner));
  gate().owner = ownerCaption;
}

DriverBusyGate::Holder::Holder(Holder&& other) noexcept
    : FHolds(std::exchange(other.FHolds, false)) {}

DriverBusyGate::Holder::~Holder() {
  if (!FHolds) return;
  const std::lock_guard lock(gate().mutex);
  gate().owner.reset();
}

std::optional<QString> DriverBusyGate::heldBy() {
  const std::lock_guard lock(gate().mutex);
  return gate().owner;
}

QString DriverBusyGate::busyMessage(const QString& ownerCaption) {
  return QStringLiteral(
             "Драйвер занят: выполняется операция на странице «%1». Дождитесь её окончания "
             "или остановите её.")
      .arg(ownerCaption);
}
