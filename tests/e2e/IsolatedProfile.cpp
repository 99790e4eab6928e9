#include "IsolatedProfile.h"

#include <QDir>
#include <QFile>

#include <stdexcept>

IsolatedProfile::IsolatedProfile() {
  if (!folder_.isValid()) throw std::runtime_error("no temporary folder for the profile");
  const QString portMap = path(QStringLiteral("ports.ini"));
  QFile map(portMap);
  if (!map.open(QIODevice::WriteOnly) || map.write("[General]\nSystemPorts=false\n") < 0)
    throw std::runtime_error("the port map cannot be written");
  // A runtime folder is the user's alone.
  const QString locks = path(QStringLiteral("locks"));
  QDir().mkpath(locks);
  QFile::setPermissions(locks,
                        QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
  setVariable("FEROX_SETTINGS_DIR", path(QStringLiteral("settings")));
  setVariable("FEROX_PORT_MAP", portMap);
  setVariable("FEROX_REGISTER_STATE", stateDir());
  setVariable("XDG_RUNTIME_DIR", locks);
}

IsolatedProfile::~IsolatedProfile() {
  for (const auto& [name, value] : previous_) {
    if (value)
      qputenv(name.constData(), *value);
    else
      qunsetenv(name.constData());
  }
}

void IsolatedProfile::setVariable(const char* name, const QString& value) {
  if (!previous_.contains(name))
    previous_[name] = qEnvironmentVariableIsSet(name) ? std::optional(qgetenv(name)) : std::nullopt;
  qputenv(name, QFile::encodeName(value));
}
