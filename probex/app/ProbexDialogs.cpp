#include "ProbexDialogs.h"

#include "ControlValues.h"
#include "ErrorReporter.h"
#include "Translation.h"

#include <QSettings>

ProbexDialogs::ProbexDialogs(QWidget& mainWindow, const ProbexPaths& paths)
    : FPaths(paths), FReasonCodes(new TfmReasonCodes(&mainWindow)) {
  Translation::translateForm(*FReasonCodes);
  const auto settings = FPaths.openSettings();
  ControlValues::restore(*FReasonCodes, *settings);
}

ProbexDialogs::~ProbexDialogs() {
  if (!FReasonCodes) return;
  const auto settings = FPaths.openSettings();
  ControlValues::store(*FReasonCodes, *settings);
  ErrorReporter::guard(nullptr, [&] { ProbexPaths::commitSettings(*settings); });
  delete FReasonCodes;
}
