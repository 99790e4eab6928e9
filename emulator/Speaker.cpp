#include "Speaker.h"

#include "Device.h"

#include <QDebug>

namespace speaker {

void beep(const Device& device) {
  qInfo().noquote() << QStringLiteral("Виртуальная ККТ %1: звуковой сигнал").arg(device.folder);
}

}  // namespace speaker
