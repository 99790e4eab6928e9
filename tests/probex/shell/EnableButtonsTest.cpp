#include "ObjectTag.h"
#include "PageAction.h"
#include "ShellTestSupport.h"
#include "TBaseForm.h"

#include <QGroupBox>

#include <gtest/gtest.h>

#include <memory>

namespace {

// A form with a button of its own, a button nested in a group box and a button the
// form disabled itself before any action.
struct ButtonsForm {
  explicit ButtonsForm(std::unique_ptr<TBaseForm> created) : form(std::move(created)) {
    auto* layout = new QVBoxLayout(form.get());
    run = new QPushButton(QStringLiteral("Выполнить"), form.get());
    auto* group = new QGroupBox(QStringLiteral("Параметры"), form.get());
    nested = new QPushButton(QStringLiteral("Вложенная"), group);
    (new QVBoxLayout(group))->addWidget(nested);
    preDisabled = new QPushButton(QStringLiteral("Недоступная"), form.get());
    preDisabled->setEnabled(false);
    layout->addWidget(run);
    layout->addWidget(group);
    layout->addWidget(preDisabled);
  }

  std::unique_ptr<TBaseForm> form;
  QPushButton* run;
  QPushButton* nested;
  QPushButton* preDisabled;
};

struct FormCase {
  const char* name;
  std::function<std::unique_ptr<TBaseForm>()> create;
  bool preDisabledEnabledAfter;
  int notifierChanges;
};

TEST(EnableButtons, PagesEnableEveryButtonDialogsOnlyThoseTheyDisabled) {
  ErrorCapture errors;
  const FormCase cases[] = {
      {"page", [] { return std::make_unique<TPage>(); }, true, 2},
      {"dialog", [] { return std::make_unique<TBaseForm>(); }, false, 0},
  };
  int changes = 0;
  PageNotifier().OnChange = [&](TPageNotifier&, bool) { ++changes; };
  for (const FormCase& c : cases) {
    SCOPED_TRACE(c.name);
    changes = 0;
    ButtonsForm f(c.create());
    ASSERT_TRUE(showActive(*f.form));
    f.run->setFocus();
    bool allDisabledWhileRunning = false;
    runAction(*f.form, [&] {
      allDisabledWhileRunning =
          !f.run->isEnabled() && !f.nested->isEnabled() && !f.preDisabled->isEnabled();
    });
    EXPECT_TRUE(allDisabledWhileRunning);
    EXPECT_TRUE(f.run->isEnabled());
    EXPECT_TRUE(f.nested->isEnabled());
    EXPECT_EQ(f.preDisabled->isEnabled(), c.preDisabledEnabledAfter);
    EXPECT_TRUE(f.run->hasFocus());
    for (QPushButton* button : {f.run, f.nested, f.preDisabled}) EXPECT_EQ(tagOf(button), 0);
    EXPECT_EQ(changes, c.notifierChanges);
    EXPECT_TRUE(errors.messages.isEmpty());
  }
  PageNotifier().OnChange = nullptr;
}

TEST(EnableButtons, APageTellsTheNotifierBeforeAnyButtonChanges) {
  ButtonsForm f(std::make_unique<TPage>());
  QStringList seen;
  PageNotifier().OnChange = [&](TPageNotifier& sender, bool Value) {
    EXPECT_EQ(&sender, &PageNotifier());
    seen << QStringLiteral("%1: run %2, nested %3")
                .arg(Value ? "end" : "start", f.run->isEnabled() ? "on" : "off",
                     f.nested->isEnabled() ? "on" : "off");
  };
  f.form->EnableButtons(false);
  f.form->EnableButtons(true);
  PageNotifier().OnChange = nullptr;
  EXPECT_EQ(seen, QStringList({"start: run on, nested on", "end: run off, nested off"}));
}

}  // namespace
