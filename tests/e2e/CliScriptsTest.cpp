#include "CliProcess.h"
#include "RegisterUnderTest.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// The console's scripts in tests/e2e/scripts against the register on every transport,
// and the console's answers to scripts that go wrong.
namespace {

QString scriptPath(const char* name) {
  return QDir(QStringLiteral(E2E_SCRIPTS_DIR)).filePath(QString::fromLatin1(name));
}

struct Script {
  const char* file;
  QStringList onTape;  // texts the receipt tape must show afterwards
};

class CliScript : public ::testing::TestWithParam<Transport> {};

TEST_P(CliScript, RunsEveryScriptWithAllItsExpectationsMet) {
  const Script scripts[] = {
      {"status.ferox", {}},
      {"date-and-time.ferox", {}},
      {"table-field.ferox", {}},
      {"printing.ferox", {QStringLiteral("СТРОКА ИЗ СЦЕНАРИЯ"), QStringLiteral("Шрифт номер 2")}},
      {"raw-commands.ferox", {}},
  };
  for (const Script& script : scripts) {
    SCOPED_TRACE(script.file);
    RegisterUnderTest device(GetParam());
    const CliRun run = runCli(device.cliDeviceArguments() << scriptPath(script.file));
    EXPECT_EQ(run.exitCode, 0) << run.out.toStdString() << run.err.toStdString();
    EXPECT_EQ(run.err, QString());
    for (const QString& text : script.onTape)
      EXPECT_TRUE(device.tape().contains(text)) << text.toStdString();
  }
}

INSTANTIATE_TEST_SUITE_P(Transports, CliScript,
                         ::testing::Values(Transport::Embedded, Transport::Tcp,
                                           Transport::PseudoTerminal),
                         [](const auto& info) { return transportName(info.param); });

TEST(CliScript, PrintsWhatGetAndCallProduce) {
  RegisterUnderTest device(Transport::Embedded);
  const CliRun run = runCli(device.cliDeviceArguments() << QStringLiteral("-"),
                            "set StringForPrinting \"  в кавычках  \"\n"
                            "get StringForPrinting\n"
                            "call GetShortECRStatus\n"
                            "get ECRMode\n"
                            "set Summ1 246,9\n"
                            "get Summ1\n"
                            "call NoSuchThing\n"
                            "call Beep\n");
  EXPECT_EQ(run.out, QStringLiteral("StringForPrinting=  в кавычках  \n"
                                    "GetShortECRStatus: 0 Ошибок нет\n"
                                    "ECRMode=4\n"
                                    "Summ1=246.9000\n"));
  EXPECT_EQ(run.err,
            QStringLiteral("стандартный ввод, строка 7: неизвестный метод \"NoSuchThing\"\n"));
  EXPECT_EQ(run.exitCode, 2) << "a script error ends the run";
}

struct Outcome {
  const char* name;
  QByteArray script;
  int exitCode;
  QString out;
  QString err;  // with SCRIPT standing for the script's path
};

TEST(CliScript, ExitCodesSayWhatWentWrong) {
  RegisterUnderTest device(Transport::Embedded);
  QTemporaryDir folder;
  const Outcome outcomes[] = {
      {"all met", "call GetShortECRStatus\nexpect-result 0\nexpect ECRMode 4\n", 0,
       "GetShortECRStatus: 0 Ошибок нет\n", ""},
      {"failed expectations go on to the end",
       "call GetShortECRStatus\nexpect ECRMode 8\nexpect-result 80\nget ECRMode\n", 1,
       "GetShortECRStatus: 0 Ошибок нет\nECRMode=4\n",
       "SCRIPT, строка 2: ожидалось ECRMode=8, получено ECRMode=4\n"
       "SCRIPT, строка 3: ожидался результат 80, получен 0 (Ошибок нет)\n"},
      {"a bad line stops everything before it runs", "call Beep\nset Summ1 abc\nset Nope 1\n", 2,
       "",
       "SCRIPT, строка 2: значение \"abc\" не подходит для свойства Summ1 (денежная сумма, не "
       "более четырёх знаков после запятой)\n"
       "SCRIPT, строка 3: неизвестное свойство \"Nope\"\n"},
      {"expect-result needs a call", "# nothing called yet\nexpect-result 0\n", 2, "",
       "SCRIPT, строка 2: expect-result до первого вызова метода\n"},
  };
  for (const Outcome& outcome : outcomes) {
    SCOPED_TRACE(outcome.name);
    const QString path = folder.filePath(QString::fromLatin1(outcome.name));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) &&
                file.write(outcome.script) == outcome.script.size());
    file.close();
    const CliRun run = runCli(device.cliDeviceArguments() << path);
    EXPECT_EQ(run.exitCode, outcome.exitCode);
    EXPECT_EQ(run.out, outcome.out);
    EXPECT_EQ(run.err, QString(outcome.err).replace(QStringLiteral("SCRIPT"), path));
  }
}

TEST(CliScript, RefusesWhatItCannotRun) {
  IsolatedProfile profile;
  const std::pair<QStringList, const char*> refusals[] = {
      {{"/no/such/script.ferox"}, "/no/such/script.ferox: файл сценария не читается"},
      {{"--device", "tcp:127.0.0.1"}, "ferox-cli: после tcp: нужны адрес и порт"},
      {{"--device", "serial:/dev/null@14400"}, "ferox-cli: скорость 14400 не поддерживается"},
      {{"--colour", "red"}, "ferox-cli: неизвестный параметр или пустое значение: --colour"},
      {{"one.ferox", "two.ferox"}, "ferox-cli: сценарий может быть только один"},
      {{"--device", "tcp:127.0.0.1:7778", "--state", "/tmp"},
       "ferox-cli: --state задаёт папку встроенной ККТ и с этим устройством не нужен"},
  };
  for (const auto& [arguments, message] : refusals) {
    const CliRun run = runCli(arguments);
    EXPECT_EQ(run.exitCode, 2) << arguments.join(u' ').toStdString();
    EXPECT_TRUE(run.err.startsWith(QString::fromUtf8(message))) << run.err.toStdString();
  }
}

}  // namespace
