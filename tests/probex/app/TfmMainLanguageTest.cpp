#include "InterfaceLanguage.h"
#include "MainWindowFixture.h"
#include "QtPrinters.h"

#include <QAction>
#include <QLabel>
#include <QMenu>

namespace {

class TfmMainLanguageTest : public MainWindowFixture {
 protected:
  QAction* item(const char* name) const { return find<QAction>(QString::fromLatin1(name)); }
  QString menuTitle() const { return find<QMenu>(QStringLiteral("mnuFile"))->title(); }
  QString storedLanguage() const {
    return InterfaceLanguage::read(profile.paths().localeIniPath());
  }
};

TEST_F(TfmMainLanguageTest, EnglishIsStoredAtOnceAndShownFromTheNextStart) {
  start();
  EXPECT_TRUE(item("miRussian")->isChecked());
  item("miEnglish")->trigger();
  EXPECT_EQ(storedLanguage(), "EN");
  EXPECT_EQ(notices.captions, QStringList{"Внимание"});
  EXPECT_EQ(notices.texts, QStringList{"Для измения языка необходимо перезапустить приложение"});
  EXPECT_TRUE(item("miEnglish")->isChecked());
  EXPECT_FALSE(item("miRussian")->isChecked());
  EXPECT_EQ(menuTitle(), "Файл") << "the running program keeps its language";
  stop();

  start();
  EXPECT_TRUE(item("miEnglish")->isChecked());
  EXPECT_FALSE(item("miRussian")->isChecked());
  EXPECT_EQ(menuTitle(), "File");
  EXPECT_EQ(item("miExit")->text(), "E&xit");
  EXPECT_EQ(groupList()->item(0)->text(), "  01. Status");
  EXPECT_EQ(group(1)->tabs()->tabText(0), "Requests");
  EXPECT_EQ(find<QLabel>(QStringLiteral("lblPassword"))->text(), "Password:");
  EXPECT_EQ(find<QPushButton>(QStringLiteral("btnProperties"))->text(), "Properties");

  item("miRussian")->trigger();
  EXPECT_EQ(storedLanguage(), "RU");
  EXPECT_EQ(notices.captions.last(), "Attention");
  EXPECT_EQ(notices.texts.last(), "Restart the application to change the language");
  EXPECT_TRUE(errors.messages.isEmpty());
}

TEST_F(TfmMainLanguageTest, ALanguageThatCannotBeStoredIsReportedAndTheChoiceStays) {
  start();
  QDir().mkpath(profile.paths().localeIniPath());  // a folder where the file should be
  item("miEnglish")->trigger();
  ASSERT_EQ(errors.messages.size(), 1);
  EXPECT_TRUE(errors.messages[0].startsWith("Не удалось сохранить язык интерфейса"));
  EXPECT_TRUE(item("miRussian")->isChecked());
  EXPECT_TRUE(notices.texts.isEmpty());
}

TEST_F(TfmMainLanguageTest, AMissingCatalogueIsReportedAndTheInterfaceStaysRussian) {
  InterfaceLanguage::write(profile.paths().localeIniPath(), InterfaceLanguage::English);
  ProbexPaths paths = profile.paths();
  paths.setCatalogueFolder(QStringLiteral("/nonexistent/locale"));
  window = std::make_unique<TfmMain>(registry, paths);
  ASSERT_EQ(errors.messages.size(), 1);
  EXPECT_TRUE(errors.messages[0].startsWith("Не удалось прочитать каталог перевода"));
  EXPECT_EQ(menuTitle(), "Файл");
  EXPECT_TRUE(item("miEnglish")->isChecked());
}

}  // namespace
