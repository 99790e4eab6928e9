#pragma once

#include "ScriptRunner.h"

#include <QString>

#include <istream>
#include <ostream>

// The console's exit codes.
namespace exit_code {
constexpr int Success = 0;
constexpr int ExpectationFailed = 1;
constexpr int ScriptError = 2;
}  // namespace exit_code

// Runs a script file. Every line is read and checked first, and nothing runs when one
// of them is wrong; otherwise every command runs, past failed expectations, and the
// exit code says how it went. Messages name the file and the line.
int runScriptFile(const QString& path, ScriptRunner& runner, std::ostream& err);

// Runs commands from a stream as they come, the way a console is used; a line in error
// ends the run.
int runScriptStream(std::istream& in, ScriptRunner& runner, std::ostream& err);
