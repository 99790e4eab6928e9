#include "CommandLine.h"
#include "FeroxError.h"
#include "InterfaceLanguage.h"
#include "ProbexPaths.h"
#include "QtPrinters.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class InterfaceLanguageTest : public ::testing::Test {
 protected:
  void writeFile(const QByteArray& content) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(content);
  }

  QTemporaryDir folder;
  QString path = folder.filePath(QStringLiteral("Vortan/Ferox/locale.ini"));
};

TEST_F(InterfaceLanguageTest, OnlyAnExplicitEnMeansEnglish) {
  struct Case {
    QByteArray content;
    QString language;
  };
  const Case cases[] = {
      {"[Locale]\nLang=EN\n", "EN"},      {"[Locale]\r\nLang=EN\r\n", "EN"},
      {"[Locale]\nLang=RU\n", "RU"},      {"[Locale]\nLang=DE\n", "RU"},
      {"[Locale]\nLanguage=EN\n", "RU"},  {"[Other]\nLang=EN\n", "RU"},
      {"\xFF\xFE\x00garbage[[[\n", "RU"}, {"", "RU"},
  };
  EXPECT_EQ(InterfaceLanguage::read(path), "RU");
  EXPECT_TRUE(QDir(folder.filePath(QStringLiteral("Vortan/Ferox"))).exists())
      << "the folders are created when missing";
  for (const Case& c : cases) {
    writeFile(c.content);
    EXPECT_EQ(InterfaceLanguage::read(path), c.language) << c.content.toStdString();
  }
}

TEST_F(InterfaceLanguageTest, AnUnreadableFileMeansRussianAndAnUnwritableOneIsAnError) {
  QDir().mkpath(path);  // a folder where the file should be
  EXPECT_EQ(InterfaceLanguage::read(path), "RU");
  EXPECT_THROW(InterfaceLanguage::write(path, InterfaceLanguage::English), FeroxError);
}

TEST_F(InterfaceLanguageTest, WrittenLanguageIsReadBackInTheLocaleSection) {
  InterfaceLanguage::write(path, InterfaceLanguage::English);
  EXPECT_EQ(InterfaceLanguage::read(path), "EN");
  const QSettings file(path, QSettings::IniFormat);
  EXPECT_EQ(file.value("Locale/Lang").toString(), "EN");
}

TEST(ProbexPathsTest, AProfileFromTheCommandLineOrTheEnvironmentHoldsSettingsAndLanguage) {
  QTemporaryDir fromArgument, fromEnvironment;
  const QString argumentProfile = fromArgument.filePath(QStringLiteral("новый профиль"));
  qputenv("PROBEX_PROFILE", fromEnvironment.path().toUtf8());
  struct Case {
    QStringList arguments;
    QString folder;
  };
  const Case cases[] = {
      {{"probex", "--profile", argumentProfile, "--screenshot", "окно.png"}, argumentProfile},
      {{"probex"}, fromEnvironment.path()},
  };
  for (const Case& c : cases) {
    const CommandLine commandLine = parseCommandLine(c.arguments);
    EXPECT_EQ(commandLine.profileFolder, c.folder);
    const ProbexPaths paths = ProbexPaths::forProfile(commandLine.profileFolder);
    EXPECT_EQ(paths.localeIniPath(), c.folder + "/Vortan/Ferox/locale.ini");
    EXPECT_EQ(paths.openSettings()->fileName(), c.folder + "/Kelvara/Tests/Ferox/A4/Param.ini");
    EXPECT_TRUE(QDir(c.folder).exists());
  }
  EXPECT_EQ(parseCommandLine(cases[0].arguments).screenshotFile, "окно.png");
  qunsetenv("PROBEX_PROFILE");
  const ProbexPaths user = ProbexPaths::forProfile(parseCommandLine({"probex"}).profileFolder);
  EXPECT_TRUE(user.openSettings()->fileName().endsWith("/Kelvara/Tests/Ferox/A4/Param.conf"))
      << user.openSettings()->fileName().toStdString();
  EXPECT_TRUE(user.localeIniPath().endsWith("/Vortan/Ferox/locale.ini"));
}

TEST(ProbexPathsTest, AProfileFolderThatCannotBeCreatedIsAnError) {
  QTemporaryDir folder;
  QFile blocker(folder.filePath(QStringLiteral("файл")));
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  EXPECT_THROW(ProbexPaths::forProfile(blocker.fileName() + "/профиль"), FeroxError);
}

TEST(ProbexPathsTest, SettingsWrittenInAProfileGoToItsOwnFile) {
  QTemporaryDir profile;
  const ProbexPaths paths(profile.path());
  {
    const auto settings = paths.openSettings();
    settings->setValue("PageIndex", 3);
    ProbexPaths::commitSettings(*settings);
  }
  QFile file(profile.filePath(QStringLiteral("Kelvara/Tests/Ferox/A4/Param.ini")));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_TRUE(file.readAll().contains("PageIndex=3"));
}

}  // namespace
