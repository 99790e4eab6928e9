#pragma once

#include "AppTestSupport.h"
#include "QtPrinters.h"
#include "RecordingDriverScope.h"
#include "ShellTestSupport.h"
#include "TestPages.h"
#include "TfmMain.h"
#include "TfmTabbedPage.h"

#include <QListWidget>
#include <QTabWidget>

#include <gtest/gtest.h>

#include <memory>

// A main window over the hooked test pages, the recording driver and a clean profile;
// start() and stop() stand for one run of the program.
class MainWindowFixture : public ::testing::Test {
 protected:
  TfmMain& start() {
    window = std::make_unique<TfmMain>(registry, profile.paths());
    return *window;
  }
  void stop() { window.reset(); }

  template <class T = QWidget>
  T* find(const QString& name) const {
    return window->findChild<T*>(name);
  }
  QListWidget* groupList() const { return find<QListWidget>(QStringLiteral("lbPages")); }
  TfmTabbedPage* group(int number) const {
    return find<TfmTabbedPage>(QStringLiteral("fmGroup%1").arg(number, 2, 10, QLatin1Char('0')));
  }
  HookedPage* page(const QString& name) const { return find<HookedPage>(name); }
  RecordingDriver& recorder() { return scope.recorder(); }

  RecordingDriverScope scope;
  TemporaryProfile profile;
  ErrorCapture errors;
  InformationCapture notices;
  QStringList log;
  PageRegistry registry = hookedRegistry(log);
  std::unique_ptr<TfmMain> window;
};
