#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include <map>
#include <optional>

// A clean user profile for one test: the control's settings, the port map (with the
// system's own ports hidden), the port locks and the register's state all live in one
// temporary folder. The environment variables that point there are read by the control,
// the daemon and the console alike, so child processes share the profile; the previous
// environment comes back when the profile goes.
class IsolatedProfile {
 public:
  IsolatedProfile();
  ~IsolatedProfile();
  IsolatedProfile(const IsolatedProfile&) = delete;
  IsolatedProfile& operator=(const IsolatedProfile&) = delete;

  QString path(const QString& name) const { return folder_.filePath(name); }
  QString stateDir() const { return path(QStringLiteral("state")); }

 private:
  void setVariable(const char* name, const QString& value);

  QTemporaryDir folder_;
  std::map<QByteArray, std::optional<QByteArray>> previous_;
};
