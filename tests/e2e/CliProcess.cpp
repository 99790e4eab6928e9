#include "CliProcess.h"

#include <QProcess>

namespace {

constexpr int RunLimitMs = 30000;

}  // namespace

QString cliProgram() { return QStringLiteral(FEROX_CLI_PROGRAM); }

CliRun runCli(const QStringList& arguments, const QByteArray& input) {
  QProcess process;
  process.start(cliProgram(), arguments);
  process.write(input);
  process.closeWriteChannel();
  CliRun run;
  if (process.waitForFinished(RunLimitMs) && process.exitStatus() == QProcess::NormalExit)
    run.exitCode = process.exitCode();
  else
    process.kill();
  process.waitForFinished();
  run.out = QString::fromUtf8(process.readAllStandardOutput());
  run.err = QString::fromUtf8(process.readAllStandardError());
  return run;
}
