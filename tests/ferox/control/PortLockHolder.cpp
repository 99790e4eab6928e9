#include "FeroxControl.h"

#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>

// Holds the lock of serial port argv[1] until its standard input closes, so that a test
// can see a lock held by another process. Prints the result of LockPort.
int main(int argc, char** argv) {
  if (argc != 2) return 2;
  FeroxControl control;
  control.setProperty("ConnectionType", 0);
  control.setProperty("ComNumber", std::atoi(argv[1]));
  std::cout << control.callMethod("LockPort") << std::endl;
  std::string line;
  while (std::getline(std::cin, line)) {
  }
  return 0;
}
