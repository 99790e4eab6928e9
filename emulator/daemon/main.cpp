#include "DaemonOptions.h"
#include "EmulatorDaemon.h"
#include "StopSignals.h"

#include <QCoreApplication>

#include <cstdio>

namespace {

void print(FILE* stream, const QString& text) {
  std::fputs(text.toLocal8Bit().constData(), stream);
  std::fflush(stream);
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication application(argc, argv);
  const ParsedDaemonOptions parsed = parseDaemonOptions(application.arguments().mid(1));
  if (!parsed.options) {
    if (parsed.error.isEmpty()) {
      print(stdout, daemonUsage());
      return 0;
    }
    print(stderr, QStringLiteral("ferox-emulator: %1\n\n%2").arg(parsed.error, daemonUsage()));
    return 2;
  }

  StopSignals stopSignals;
  QObject::connect(&stopSignals, &StopSignals::stopRequested, &application,
                   &QCoreApplication::quit);
  EmulatorDaemon daemon(*parsed.options);
  if (!daemon.start()) {
    print(stderr, QStringLiteral("ferox-emulator: %1\n").arg(daemon.error()));
    return 1;
  }
  print(stdout, daemon.report().join(u'\n') + QStringLiteral("\nГотово\n"));
  return application.exec();
}
