#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// One finished run of ferox-cli.
struct CliRun {
  int exitCode = -1;  // -1 when it crashed or had to be stopped
  QString out;
  QString err;
};

QString cliProgram();

// Runs the console to its end with the input on its standard input; one that is still
// running after half a minute is killed.
CliRun runCli(const QStringList& arguments, const QByteArray& input = {});
