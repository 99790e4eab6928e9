#pragma once

#include "ProbexPaths.h"
#include "TfmReasonCodes.h"

#include <QPointer>

class QWidget;

// The dialogs the program creates once at start and keeps for the whole run, owned by
// the main window. Their fields come back from the settings store when they are
// created and go back to it when they are destroyed, like the pages' fields.
class ProbexDialogs {
 public:
  ProbexDialogs(QWidget& mainWindow, const ProbexPaths& paths);
  ~ProbexDialogs();

  ProbexDialogs(const ProbexDialogs&) = delete;
  ProbexDialogs& operator=(const ProbexDialogs&) = delete;

  TfmReasonCodes& reasonCodes() { return *FReasonCodes; }

 private:
  ProbexPaths FPaths;
  QPointer<TfmReasonCodes> FReasonCodes;
};
