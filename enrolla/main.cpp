#include "InstallFeroxControl.h"
#include "TfmMain.h"
#include "WizardCaption.h"
#include "WizardPages.h"

#include <QApplication>

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Enrolla"));
  QApplication::setApplicationVersion(Enrolla::wizardVersionText());

  installFeroxControl();
  Enrolla::TfmMain mainWindow(Enrolla::wizardPages(), QApplication::applicationDirPath());
  mainWindow.show();
  return QApplication::exec();
}
