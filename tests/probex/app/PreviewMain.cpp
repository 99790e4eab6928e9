#include "ProbexPaths.h"
#include "RecordingDriverScope.h"
#include "SyntheticPages.h"
#include "TfmMain.h"

#include <QApplication>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

// Shows the main window with synthetic pages in a clean profile, the receipt group open
// and a finished action on screen, and saves a picture of it:
//   probex_preview FILE.png
int main(int argc, char** argv) {
  QApplication application(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: probex_preview FILE.png\n");
    return 2;
  }
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/probex/icon.png")));
  PageRegistry registry = syntheticRegistry();
  const char* receiptTabs[] = {"Регистрация (устаревш.)", "Тестовый чек", "Тестовые чеки"};
  for (std::size_t i = 0; i < registry[3].pages.size(); ++i)
    registry[3].pages[i].caption = QString::fromUtf8(receiptTabs[i]);

  RecordingDriverScope driver;
  driver.recorder()
      .preset("ConnectionType", 6)
      .preset("IPAddress", QStringLiteral("192.168.0.5"))
      .preset("TCPPort", 7778)
      .preset("Password", 30)
      .preset("ECRInput", QStringLiteral("02 05 10 1E 00 00 00 0B"))
      .preset("ECROutput", QStringLiteral("03 10 00 1E"))
      .preset("OperatorNumber", 30);
  QTemporaryDir profile;
  const ProbexPaths paths(profile.path());
  paths.openSettings()->setValue(QStringLiteral("PageIndex"), 3);

  TfmMain window(registry, paths);
  window.show();
  QTimer::singleShot(500, &window, [&] {
    if (auto* sale = window.findChild<QPushButton*>(QStringLiteral("btnSale"))) sale->click();
  });
  QTimer::singleShot(1000, &window, [&] {
    const bool saved = window.grab().save(QString::fromLocal8Bit(argv[1]));
    QApplication::exit(saved ? 0 : 1);
  });
  return QApplication::exec();
}
