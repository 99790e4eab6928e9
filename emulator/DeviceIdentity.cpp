#include "DeviceIdentity.h"

#include "Device.h"

#include <QRandomGenerator>

namespace identity {
namespace {

QString keyOf(const Device& device) {
  return QStringLiteral("serial/%1").arg(QStringView(device.profile->id));
}

// Sixteen digits: the model number, then twelve at random.
QString newSerialNumber(int modelId) {
  const quint64 unique = QRandomGenerator::system()->bounded(quint64(1000000000000));
  return QStringLiteral("%1%2").arg(modelId, 4, 10, QChar(u'0')).arg(unique, 12, 10, QChar(u'0'));
}

}  // namespace

QString serialNumber(const Device& device) {
  return device.store.value(keyOf(device)).value_or(QString());
}

bool ensureSerialNumber(Device& device) {
  if (device.store.value(keyOf(device))) return true;
  StateChange change;
  change.put(keyOf(device), newSerialNumber(device.profile->modelId));
  return device.store.commit(change);
}

}  // namespace identity
