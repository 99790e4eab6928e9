#include "WizardTestSupport.h"

#include "TParamPages.h"
#include "WizardPages.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTest>

using namespace Enrolla;

ErrorMessages::ErrorMessages() {
  previous_ =
      WizardErrorBox::setHook([this](QWidget*, const QString& message) { messages << message; });
}

ErrorMessages::~ErrorMessages() { WizardErrorBox::setHook(std::move(previous_)); }

ScriptedPage::ScriptedPage(PageClass pageClass)
    : TParamPage(pageClass, QStringLiteral("Страница ") + pageClassName(pageClass)) {}

void ScriptedPage::FormShow() {
  ++shownCount;
  if (onShow) onShow();
}

void ScriptedPage::Next() {
  if (onNext)
    onNext();
  else
    TParamPage::Next();
}

void ScriptedPage::Prev() {
  ++prevCount;
  if (onPrev) onPrev();
}

void ScriptedPage::Home() {
  ++homeCount;
  if (onHome) onHome();
}

void ScriptedPage::CloseEvent() {
  ++closeCount;
  if (onClose) onClose();
}

WizardWindow::WizardWindow(const std::vector<PageClass>& classes, Mode mode) {
  std::vector<PageFactory> pages;
  for (PageClass pageClass : classes)
    pages.push_back([this, pageClass] {
      auto page = std::make_unique<ScriptedPage>(pageClass);
      scripted_.push_back(page.get());
      return std::unique_ptr<TParamPage>(std::move(page));
    });
  open(pages, mode);
}

WizardWindow::WizardWindow(Mode mode) { open(wizardPages(), mode); }

WizardWindow::~WizardWindow() { window_.reset(); }

void WizardWindow::open(const std::vector<PageFactory>& pages, Mode mode) {
  if (mode == Mode::X5) {
    QFile marker(QDir(programFolder_.path()).filePath(QStringLiteral("X5.ini")));
    marker.open(QIODevice::WriteOnly);
  }
  Controller() = TController();
  window_ = std::make_unique<TfmMain>(pages, programFolder_.path());
  window_->show();
  // Focus is real only in the active window.
  window_->activateWindow();
  if (!QTest::qWaitForWindowActive(window_.get())) qWarning("The wizard's window is not active");
}

QPushButton& WizardWindow::button(const char* name) {
  return *window_->findChild<QPushButton*>(QString::fromLatin1(name));
}

void WizardWindow::click(const char* name) { QTest::mouseClick(&button(name), Qt::LeftButton); }

int WizardWindow::currentIndex() const { return currentPage() ? currentPage()->GetIndex() : -1; }

QString WizardWindow::topCaption() {
  return window_->findChild<QLabel*>(QStringLiteral("pnlTop"))->text();
}

void answerModelParam(RecordingDriver& recorder, const DriverValue& value) {
  recorder.on("ReadModelParamValue").sets("ModelParamValue", value);
}
