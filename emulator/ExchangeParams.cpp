#include "ExchangeParams.h"

#include "ResultCodes.h"
#include "StateStore.h"

#include <QString>

namespace exchange_params {
namespace {

const QString Prefix = QStringLiteral("exchange/");

QString keyOf(int portNumber, const char* name) {
  return Prefix + QStringLiteral("%1/%2").arg(portNumber).arg(QLatin1String(name));
}

}  // namespace

bool isPort(int portNumber) { return (portNumber >= 0 && portNumber <= 3) || portNumber == 128; }

ExchangeParams read(const StateStore& store, int portNumber) {
  const ExchangeParams defaults;
  return {
      int(store.number(keyOf(portNumber, "baudRate")).value_or(defaults.baudRate)),
      int(store.number(keyOf(portNumber, "timeout")).value_or(defaults.timeout)),
      int(store.number(keyOf(portNumber, "tcpPort")).value_or(defaults.tcpPort)),
  };
}

std::int32_t check(const ExchangeParams& params) {
  const bool valid = params.baudRate >= 0 && params.baudRate <= 9 && params.timeout >= 0 &&
                     params.timeout <= 60000 && params.tcpPort >= 1 && params.tcpPort <= 65535;
  return valid ? result::Ok : result::InvalidParameters;
}

void write(StateChange& change, int portNumber, const ExchangeParams& params) {
  change.put(keyOf(portNumber, "baudRate"), params.baudRate);
  change.put(keyOf(portNumber, "timeout"), params.timeout);
  change.put(keyOf(portNumber, "tcpPort"), params.tcpPort);
}

void resetAll(StateChange& change) { change.removePrefix(Prefix); }

}  // namespace exchange_params
