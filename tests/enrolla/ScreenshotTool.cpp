#include "WizardTestSupport.h"

#include <QApplication>
#include <QDir>
#include <QListWidget>
#include <QTextStream>

#include <cstdio>

using namespace Enrolla;

// Usage: enrolla_screenshots FOLDER
// Walks the wizard from its first page to the client-type page on a recording driver
// that answers as a register with the OFD table, and saves each page the way the window
// shows it as FOLDER/NN-ClassName.png.
int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Enrolla"));
  if (argc != 2) {
    std::fputs("usage: enrolla_screenshots FOLDER\n", stderr);
    return 2;
  }
  const QDir folder(QString::fromLocal8Bit(argv[1]));
  if (!folder.mkpath(QStringLiteral("."))) return 1;

  WizardWindow wizard;
  answerModelParam(wizard.recorder, 7);
  Controller().KKTName = QStringLiteral("ККТ-Ф");
  Controller().KKTSN = QStringLiteral("0012345678901234");

  int shot = 0;
  const auto save = [&] {
    QApplication::processEvents();
    const QString name = QStringLiteral("%1-%2.png")
                             .arg(++shot, 2, 10, QLatin1Char('0'))
                             .arg(pageClassName(wizard.currentPage()->GetPageClass()));
    return wizard.window().grab().save(folder.filePath(name));
  };
  bool saved = save();
  while (saved && wizard.currentPage()->GetPageClass() != PageClass::TfmSelectWorkType) {
    wizard.clickNext();
    saved = save();
  }
  // A re-registration leads through the status check to the client type.
  wizard.currentPage()->findChild<QListWidget*>(QStringLiteral("listBox"))->setCurrentRow(1);
  for (int step = 0; saved && step < 2; ++step) {
    wizard.clickNext();
    saved = save();
  }
  QTextStream(stdout) << shot << " pages saved in " << folder.path() << '\n';
  return saved ? 0 : 1;
}
