#include "AppTestSupport.h"
#include "FormTexts.h"
#include "InterfaceLanguage.h"
#include "ProbexDialogs.h"
#include "QtPrinters.h"
#include "RecordingDriverScope.h"
#include "TfmAbout.h"
#include "TfmMain.h"
#include "Translation.h"

#include <QLabel>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

// The program's own forms as they are at start, in the language of the profile.
class ProbexFormsTest : public ::testing::Test {
 protected:
  void startIn(const QString& language) {
    InterfaceLanguage::write(profile.paths().localeIniPath(), language);
    main = std::make_unique<TfmMain>(probexPages(), profile.paths());
    dialogs = std::make_unique<ProbexDialogs>(*main, profile.paths());
    about = std::make_unique<TfmAbout>(main.get());
  }

  void forEachForm(const std::function<void(QWidget&)>& visit) {
    for (QWidget* form :
         {static_cast<QWidget*>(main.get()), static_cast<QWidget*>(&dialogs->reasonCodes()),
          static_cast<QWidget*>(about.get())})
      visit(*form);
  }

  RecordingDriverScope scope;
  TemporaryProfile profile;
  std::unique_ptr<TfmMain> main;
  std::unique_ptr<ProbexDialogs> dialogs;
  std::unique_ptr<TfmAbout> about;
};

// A form text the catalogue lacks stays Russian in the English interface.
TEST_F(ProbexFormsTest, TheCatalogueTranslatesEveryTextOfEveryForm) {
  startIn(InterfaceLanguage::English);
  static const QRegularExpression cyrillic(QStringLiteral("[\\x{0400}-\\x{04FF}]"));
  QStringList untranslated;
  forEachForm([&](QWidget& form) {
    mapFormTexts(form, [&](const QString& text) {
      if (text.contains(cyrillic)) untranslated << form.objectName() + ": " + text;
      return text;
    });
  });
  for (const char* message : {"Внимание", "Для измения языка необходимо перезапустить приложение"})
    if (Translation::translate(QString::fromUtf8(message)).contains(cyrillic))
      untranslated << QString::fromUtf8(message);
  EXPECT_TRUE(untranslated.isEmpty()) << untranslated.join('\n').toStdString();
}

TEST_F(ProbexFormsTest, EveryFieldCaptionIsItsFieldsBuddy) {
  startIn(InterfaceLanguage::Russian);
  QStringList orphans;
  forEachForm([&](QWidget& form) {
    for (const QLabel* label : form.findChildren<QLabel*>())
      if (label->text().endsWith(QLatin1Char(':')) && !label->buddy())
        orphans << form.objectName() + ": " + label->text();
  });
  EXPECT_TRUE(orphans.isEmpty()) << orphans.join('\n').toStdString();
}

}  // namespace
