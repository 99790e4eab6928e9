#include "CommandLine.h"

#include <QCommandLineParser>

namespace {

constexpr auto ProfileVariable = "PROBEX_PROFILE";

}  // namespace

CommandLine parseCommandLine(const QStringList& arguments) {
  QCommandLineParser parser;
  parser.setApplicationDescription(QStringLiteral("Probex: проверка драйвера ККТ"));
  parser.addHelpOption();
  parser.addVersionOption();
  const QCommandLineOption profile(
      QStringLiteral("profile"),
      QStringLiteral("Папка профиля: настройки и locale.ini хранятся в ней, а не в папках "
                     "пользователя (по умолчанию берётся из PROBEX_PROFILE)."),
      QStringLiteral("DIR"));
  const QCommandLineOption screenshot(
      QStringLiteral("screenshot"),
      QStringLiteral("Сохранить снимок главного окна в файл и завершить работу."),
      QStringLiteral("FILE"));
  parser.addOptions({profile, screenshot});
  parser.process(arguments);
  return {parser.isSet(profile) ? parser.value(profile) : qEnvironmentVariable(ProfileVariable),
          parser.value(screenshot)};
}
