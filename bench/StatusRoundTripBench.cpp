#include "DaemonProcess.h"
#include "FeroxControl.h"
#include "LinkFactory.h"
#include "TFerox.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

// A status request the whole way and back: the typed wrapper, the control, a frame, the
// register's session and the register itself, then the answer's outputs into the
// control's properties.
namespace {

void measureStatusCalls(benchmark::State& state, TFerox& driver) {
  if (driver.GetShortECRStatus() != 0) {
    state.SkipWithError("the register does not answer");
    return;
  }
  for (auto _ : state) benchmark::DoNotOptimize(driver.GetShortECRStatus());
  state.SetItemsProcessed(state.iterations());
}

void EmbeddedRegister(benchmark::State& state) {
  QTemporaryDir stateDir;
  TFerox driver(std::make_unique<FeroxControl>(standardLinkFactory(stateDir.path())));
  driver.setConnectionType(connection::Embedded);
  measureStatusCalls(state, driver);
}
BENCHMARK(EmbeddedRegister);

void DaemonOverTcpLoopback(benchmark::State& state) {
  QTemporaryDir stateDir;
  DaemonProcess daemon;
  if (!daemon.start({QStringLiteral("--state"), stateDir.path(), QStringLiteral("--tcp"),
                     QStringLiteral("127.0.0.1:0")})) {
    state.SkipWithError("ferox-emulator did not start");
    return;
  }
  TFerox driver(std::make_unique<FeroxControl>(standardLinkFactory(stateDir.path())));
  driver.setConnectionType(connection::Tcp);
  driver.setUseIPAddress(true);
  driver.setIPAddress(daemon.tcp().host);
  driver.setTCPPort(daemon.tcp().port);
  measureStatusCalls(state, driver);
}
// The daemon's time is spent in another process: calls per second by the wall clock.
BENCHMARK(DaemonOverTcpLoopback)->UseRealTime();

}  // namespace
