#include "FeroxControl.h"

#include <QString>

#include <cstdlib>
#include <iostream>
#include <string>

namespace {

// Holds the lock of a serial port until standard input closes, so that a test can see a
// lock held by another process. Prints the result of LockPort.
int holdPortLock(int comNumber) {
  FeroxControl control;
  control.setProperty("ConnectionType", 0);
  control.setProperty("ComNumber", comNumber);
  std::cout << control.callMethod("LockPort") << std::endl;
  std::string line;
  while (std::getline(std::cin, line)) {
  }
  return 0;
}

// Adds logical devices one by one, as a program working next to others would.
int addLogicalDevices(int count) {
  FeroxControl control;
  for (int i = 0; i < count; ++i) {
    control.setProperty("LDName", QStringLiteral("Устройство %1").arg(i));
    control.setProperty("LDComNumber", 1);
    if (control.callMethod("AddLD") != 0) return 1;
  }
  return 0;
}

}  // namespace

// A second process for the tests: control_helper lock COM | control_helper add-ld COUNT
int main(int argc, char** argv) {
  if (argc != 3) return 2;
  const std::string command = argv[1];
  const int number = std::atoi(argv[2]);
  if (command == "lock") return holdPortLock(number);
  if (command == "add-ld") return addLogicalDevices(number);
  return 2;
}
