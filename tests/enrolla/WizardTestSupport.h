#pragma once

#include "EnrollaDriverScope.h"
#include "TController.h"
#include "TParamPage.h"
#include "TfmMain.h"
#include "WizardErrorBox.h"

#include <QPushButton>
#include <QStringList>
#include <QTemporaryDir>

#include <functional>
#include <memory>
#include <vector>

// Collects what the wizard's error box would show, instead of a modal box.
class ErrorMessages {
 public:
  ErrorMessages();
  ~ErrorMessages();

  QStringList messages;

 private:
  Enrolla::WizardErrorBox::Hook previous_;
};

// A page whose operations do what the test says, counting how often it is shown. With
// no Next of its own it moves on along the page graph as every page does.
class ScriptedPage : public Enrolla::TParamPage {
 public:
  explicit ScriptedPage(Enrolla::PageClass pageClass);

  void FormShow() override;
  void Next() override;
  void Prev() override;
  void Home() override;
  void CloseEvent() override;

  std::function<void()> onShow, onNext, onPrev, onHome, onClose;
  int shownCount = 0;
  int prevCount = 0;
  int homeCount = 0;
  int closeCount = 0;
};

// The main window over a given page list, shown, on a recording driver and a fresh
// controller, with its error box captured.
class WizardWindow {
 public:
  // Whether the program folder holds the file that switches X5 mode on.
  enum class Mode { Standard, X5 };

  // Pages of these classes, in this order, each a ScriptedPage.
  explicit WizardWindow(const std::vector<Enrolla::PageClass>& classes, Mode mode = Mode::Standard);
  // The wizard's own pages.
  explicit WizardWindow(Mode mode = Mode::Standard);
  ~WizardWindow();

  Enrolla::TfmMain& window() { return *window_; }
  ScriptedPage& page(int index) { return *scripted_.at(std::size_t(index)); }
  QPushButton& button(const char* name);
  void clickNext() { click("btnNext"); }
  void clickPrev() { click("btnPrev"); }
  void clickHome() { click("btnHome"); }
  void click(const char* name);
  void destroyWindow() { window_.reset(); }

  // The page shown now and its position in the list.
  Enrolla::TParamPage* currentPage() const { return Enrolla::Controller().CurrentPage; }
  int currentIndex() const;
  QString topCaption();

  EnrollaDriverScope driver;
  RecordingDriver& recorder = driver.recorder();
  ErrorMessages errors;

 private:
  void open(const std::vector<Enrolla::PageFactory>& pages, Mode mode);

  QTemporaryDir programFolder_;
  std::vector<ScriptedPage*> scripted_;
  std::unique_ptr<Enrolla::TfmMain> window_;
};

// Makes the recording driver answer ReadModelParamValue with this value for every
// parameter number.
void answerModelParam(RecordingDriver& recorder, const DriverValue& value);
