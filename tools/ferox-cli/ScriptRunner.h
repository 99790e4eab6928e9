#pragma once

#include "IFerox.h"
#include "ScriptParser.h"

#include <QString>

#include <cstdint>
#include <optional>
#include <ostream>

// Carries out script commands on a control: prints what get and call produce, checks
// what expect and expect-result ask for.
class ScriptRunner {
 public:
  ScriptRunner(IFerox& control, std::ostream& out) : control_(control), out_(out) {}

  struct Outcome {
    enum class Kind { Done, ExpectationFailed, Error };
    Kind kind = Kind::Done;
    QString message;  // what was expected and what was found, or why the command failed
  };
  Outcome run(const script::Command& command);

 private:
  Outcome set(const script::SetProperty& command);
  Outcome get(const script::GetProperty& command);
  Outcome call(const script::CallMethod& command);
  Outcome expect(const script::ExpectProperty& command);
  Outcome expectResult(const script::ExpectResult& command);
  void print(const QString& line);

  IFerox& control_;
  std::ostream& out_;
  std::optional<std::int32_t> lastResult_;
  QString lastDescription_;
};
