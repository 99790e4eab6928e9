#pragma once

#include <QString>
#include <QTemporaryDir>

#include <memory>

// The COM number under which the control reaches a serial device path. A path the port
// map knows keeps its number. Any other gets one in a port map of its own that lives as
// long as this object: FEROX_PORT_MAP of this process points there, so the user's map is
// never written and no other program sees the alias.
class SerialPortAlias {
 public:
  // Throws FeroxError when the temporary map cannot be made.
  explicit SerialPortAlias(const QString& path);
  int comNumber() const { return comNumber_; }

 private:
  std::unique_ptr<QTemporaryDir> temporaryMapFolder_;
  int comNumber_ = 0;
};
