#pragma once

#include <QString>
#include <QStringList>

// What the program is told when it starts.
struct CommandLine {
  // --profile DIR, else the PROBEX_PROFILE environment variable; empty for the user's own
  // folders.
  QString profileFolder;
  // --screenshot FILE: save a picture of the main window once it is shown, then close it.
  QString screenshotFile;
};

// --help and --version print their text and end the program, as does an unknown option
// with its error.
CommandLine parseCommandLine(const QStringList& arguments);
