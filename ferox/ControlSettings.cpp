#include "ControlSettings.h"

#include "DriverErrors.h"
#include "FeroxPaths.h"
#include "LinkFactory.h"

#include <QSettings>

namespace {

struct SavedProperty {
  PropertyId id;
  DriverValue initial;
  bool saved = true;  // false: the control starts with it, the user cannot change it here
};

const SavedProperty savedProperties[] = {
    {PropertyId::ConnectionType, std::int32_t(connection::Embedded)},
    {PropertyId::ComNumber, std::int32_t(1)},
    {PropertyId::BaudRate, std::int32_t(6)},
    {PropertyId::Timeout, std::int32_t(1000)},
    {PropertyId::ComputerName, QStringLiteral("127.0.0.1")},
    {PropertyId::IPAddress, QStringLiteral("127.0.0.1")},
    {PropertyId::UseIPAddress, false},
    {PropertyId::TCPPort, std::int32_t(7778)},
    {PropertyId::TCPConnectionTimeout, std::int32_t(5000)},
    {PropertyId::ConnectionTimeout, std::int32_t(5000)},
    {PropertyId::Password, std::int32_t(30)},
    {PropertyId::SysAdminPassword, std::int32_t(30), false},
    // Text goes to the receipt station unless the caller chooses otherwise.
    {PropertyId::UseReceiptRibbon, true, false},
};

const QString connectionGroup = QStringLiteral("Connection/");

QString keyOf(PropertyId id) {
  const std::string_view name = propertyInfo(id).name;
  return connectionGroup + QString::fromLatin1(name.data(), qsizetype(name.size()));
}

}  // namespace

void loadControlSettings(PropertyBag& properties) {
  QSettings settings(feroxSettingsFile(), QSettings::IniFormat);
  for (const SavedProperty& saved : savedProperties) {
    properties.set(saved.id, saved.initial);
    const QVariant stored = settings.value(keyOf(saved.id));
    if (!saved.saved || !stored.isValid()) continue;
    try {
      properties.set(saved.id, stored.toString());
    } catch (const DriverCallError&) {
      // A hand-edited value that is no value of the property keeps the initial one.
    }
  }
}

void saveControlSettings(const PropertyBag& properties) {
  QSettings settings(feroxSettingsFile(), QSettings::IniFormat);
  for (const SavedProperty& saved : savedProperties)
    if (saved.saved) settings.setValue(keyOf(saved.id), valueToText(properties.get(saved.id)));
  commitSettings(settings);
}

QString savedEmbeddedStateDir() {
  QSettings settings(feroxSettingsFile(), QSettings::IniFormat);
  return settings.value(connectionGroup + QStringLiteral("EmbeddedStateDir")).toString();
}

void commitSettings(QSettings& settings) {
  settings.sync();
  if (settings.status() != QSettings::NoError)
    throw DriverCallError(QStringLiteral("Не удалось сохранить настройки драйвера в файл %1")
                              .arg(settings.fileName()));
}
