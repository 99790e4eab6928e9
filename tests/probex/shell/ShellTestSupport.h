#pragma once

#include "ErrorReporter.h"
#include "ResultDisplay.h"
#include "TPage.h"
#include "TPageNotifier.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>
#include <QTest>
#include <QVBoxLayout>

#include <functional>
#include <utility>

// Collects what the top-level error handler would show, instead of a modal box.
// atMessage runs as each message arrives, to look at the form at that moment.
class ErrorCapture {
 public:
  explicit ErrorCapture(std::function<void()> atMessage = {}) {
    previous_ = ErrorReporter::setHook([this, atMessage](QWidget* window, const QString& message) {
      if (atMessage) atMessage();
      windows << window;
      messages << message;
    });
  }
  ~ErrorCapture() { ErrorReporter::setHook(std::move(previous_)); }

  QStringList messages;
  QList<QWidget*> windows;

 private:
  ErrorReporter::Hook previous_;
};

// The result display hosted the way the main window hosts it: subscribed to the page
// notifier, with a tick the test sets.
class DisplayedActions {
 public:
  DisplayedActions() {
    PageNotifier().OnChange = [this](TPageNotifier&, bool Value) {
      Value ? display.actionEnded() : display.actionStarted();
    };
  }
  ~DisplayedActions() { PageNotifier().OnChange = nullptr; }

  quint32 tick = 0;
  ResultDisplay display{[this] { return tick; }};
};

// A page with one field and two buttons; the print button runs `print` as its action.
class TestPage : public TPage {
 public:
  explicit TestPage(QWidget* parent = nullptr) : TPage(parent) {
    setWindowTitle(QStringLiteral("Печать"));
    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(QStringLiteral("Текст:"), this);
    edtText = new QLineEdit(this);
    edtText->setObjectName(QStringLiteral("edtText"));
    label->setBuddy(edtText);
    btnPrint = new QPushButton(QStringLiteral("Печать"), this);
    btnPrint->setObjectName(QStringLiteral("btnPrint"));
    btnOther = new QPushButton(QStringLiteral("Другое"), this);
    btnOther->setObjectName(QStringLiteral("btnOther"));
    for (QWidget* widget : {static_cast<QWidget*>(label), static_cast<QWidget*>(edtText),
                            static_cast<QWidget*>(btnPrint), static_cast<QWidget*>(btnOther)})
      layout->addWidget(widget);
    connect(btnPrint, &QPushButton::clicked, this, [this] { run(print); });
  }

  std::function<void()> print = [] {};
  QLineEdit* edtText;
  QPushButton* btnPrint;
  QPushButton* btnOther;
};

// Shows the form and makes its window the active one, so that focus is real.
inline bool showActive(QWidget& form) {
  form.show();
  form.activateWindow();
  return QTest::qWaitForWindowActive(&form);
}
