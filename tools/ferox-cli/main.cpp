#include "CliOptions.h"
#include "DeviceConnection.h"
#include "FeroxControl.h"
#include "FeroxError.h"
#include "ScriptExecution.h"

#include <QCoreApplication>

#include <iostream>

namespace {

std::unique_ptr<IFerox> makeControl(const QString& stateDir) {
  if (stateDir.isEmpty()) return std::make_unique<FeroxControl>();
  return std::make_unique<FeroxControl>(standardLinkFactory(stateDir));
}

int run(const CliOptions& options) {
  TFerox driver(makeControl(options.stateDir));
  std::optional<DeviceConnection> connection;
  if (options.device) connection.emplace(driver, *options.device);
  ScriptRunner runner(driver.control(), std::cout);
  if (options.script == u"-") return runScriptStream(std::cin, runner, std::cerr);
  return runScriptFile(options.script, runner, std::cerr);
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication application(argc, argv);
  const ParsedCliOptions parsed = parseCliOptions(application.arguments().mid(1));
  if (!parsed.options) {
    if (parsed.error.isEmpty()) {
      std::cout << cliUsage().toStdString();
      return exit_code::Success;
    }
    std::cerr << QStringLiteral("ferox-cli: %1\n\n%2").arg(parsed.error, cliUsage()).toStdString();
    return exit_code::ScriptError;
  }
  try {
    return run(*parsed.options);
  } catch (const FeroxError& error) {
    std::cerr << "ferox-cli: " << error.message().toStdString() << std::endl;
    return exit_code::ScriptError;
  }
}
