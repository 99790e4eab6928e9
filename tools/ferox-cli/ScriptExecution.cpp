#include "ScriptExecution.h"

#include <QFile>
#include <QStringList>

#include <string>
#include <vector>

namespace {

void report(std::ostream& err, const QString& source, int lineNumber, const QString& message) {
  err << QStringLiteral("%1, строка %2: %3").arg(source).arg(lineNumber).arg(message).toStdString()
      << std::endl;
}

// Folds the outcomes of a run into its exit code.
class RunStatus {
 public:
  RunStatus(ScriptRunner& runner, std::ostream& err, QString source)
      : runner_(runner), err_(err), source_(std::move(source)) {}

  // False when the run has to end here.
  bool run(const script::Command& command, int lineNumber) {
    const ScriptRunner::Outcome outcome = runner_.run(command);
    switch (outcome.kind) {
      case ScriptRunner::Outcome::Kind::Done:
        return true;
      case ScriptRunner::Outcome::Kind::ExpectationFailed:
        report(err_, source_, lineNumber, outcome.message);
        expectationFailed_ = true;
        return true;
      case ScriptRunner::Outcome::Kind::Error:
        return fail(lineNumber, outcome.message);
    }
    return true;
  }

  bool fail(int lineNumber, const QString& message) {
    report(err_, source_, lineNumber, message);
    scriptError_ = true;
    return false;
  }

  int exitCode() const {
    if (scriptError_) return exit_code::ScriptError;
    return expectationFailed_ ? exit_code::ExpectationFailed : exit_code::Success;
  }

 private:
  ScriptRunner& runner_;
  std::ostream& err_;
  QString source_;
  bool expectationFailed_ = false;
  bool scriptError_ = false;
};

}  // namespace

int runScriptFile(const QString& path, ScriptRunner& runner, std::ostream& err) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    err << QStringLiteral("%1: файл сценария не читается: %2")
               .arg(path, file.errorString())
               .toStdString()
        << std::endl;
    return exit_code::ScriptError;
  }
  const QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n');
  RunStatus status(runner, err, path);
  std::vector<script::Command> commands;
  bool wellFormed = true;
  for (qsizetype i = 0; i < lines.size(); ++i) {
    script::ParsedLine parsed = script::parseLine(lines[i]);
    if (!parsed.error.isEmpty()) {
      status.fail(int(i + 1), parsed.error);
      wellFormed = false;
    }
    commands.push_back(std::move(parsed.command));
  }
  if (!wellFormed) return status.exitCode();
  for (std::size_t i = 0; i < commands.size(); ++i)
    if (!status.run(commands[i], int(i + 1))) break;
  return status.exitCode();
}

int runScriptStream(std::istream& in, ScriptRunner& runner, std::ostream& err) {
  RunStatus status(runner, err, QStringLiteral("стандартный ввод"));
  std::string line;
  for (int lineNumber = 1; std::getline(in, line); ++lineNumber) {
    const script::ParsedLine parsed = script::parseLine(QString::fromStdString(line));
    const bool goOn = parsed.error.isEmpty() ? status.run(parsed.command, lineNumber)
                                             : status.fail(lineNumber, parsed.error);
    if (!goOn) break;
  }
  return status.exitCode();
}
