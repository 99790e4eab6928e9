#include "ErrorReporter.h"
#include "InstallFeroxControl.h"
#include "PageRegistry.h"
#include "ProbexDialogs.h"
#include "ProbexPaths.h"
#include "ProgramVersion.h"
#include "TfmMain.h"

#include <QApplication>
#include <QIcon>

#include <optional>

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Kelvara: Driver test"));
  QApplication::setApplicationVersion(programVersionText());
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/probex/icon.png")));

  std::optional<ProbexPaths> paths;
  if (const auto failure = ErrorReporter::failureOf(
          [&] { paths = ProbexPaths::fromCommandLine(QApplication::arguments()); })) {
    ErrorReporter::show(nullptr, *failure);
    return 1;
  }

  installFeroxControl();
  TfmMain mainWindow(probexPages(), *paths);
  ProbexDialogs dialogs(mainWindow, *paths);
  mainWindow.show();
  return QApplication::exec();
}
