#include "CommandLine.h"
#include "ErrorReporter.h"
#include "InstallFeroxControl.h"
#include "PageRegistry.h"
#include "ProbexDialogs.h"
#include "ProbexPaths.h"
#include "ProgramVersion.h"
#include "TfmMain.h"

#include <QApplication>
#include <QIcon>
#include <QTimer>

#include <optional>

namespace {

constexpr int StartFailed = 1;

// Saves a picture of the shown window and closes it, which ends the program as the
// user's closing would: settings stored, driver freed.
void saveScreenshotAndClose(QWidget& window, const QString& file) {
  QTimer::singleShot(0, &window, [&window, file] {
    if (!window.grab().save(file))
      ErrorReporter::show(
          &window, QStringLiteral("Не удалось сохранить снимок окна в файл \"%1\"").arg(file));
    window.close();
  });
}

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Kelvara: Driver test"));
  QApplication::setApplicationVersion(programVersionText());
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/probex/icon.png")));

  const CommandLine commandLine = parseCommandLine(QApplication::arguments());
  std::optional<ProbexPaths> paths;
  if (const auto failure = ErrorReporter::failureOf(
          [&] { paths = ProbexPaths::forProfile(commandLine.profileFolder); })) {
    ErrorReporter::show(nullptr, *failure);
    return StartFailed;
  }

  installFeroxControl();
  TfmMain mainWindow(probexPages(), *paths);
  ProbexDialogs dialogs(mainWindow, *paths);
  mainWindow.show();
  if (!commandLine.screenshotFile.isEmpty())
    saveScreenshotAndClose(mainWindow, commandLine.screenshotFile);
  return QApplication::exec();
}
