#pragma once

#include "PropertyBag.h"

#include <QSettings>
#include <QString>

// The control's settings saved per user in the settings file (FeroxPaths.h), section
// [Connection]: connection type and parameters, time-outs and the password. A fresh
// machine gets the embedded register.

// Every new control starts from the saved settings.
void loadControlSettings(PropertyBag& properties);
void saveControlSettings(const PropertyBag& properties);

// The folder of the embedded register's state ([Connection] EmbeddedStateDir); empty for
// the register's own default.
QString savedEmbeddedStateDir();

// Writes the settings out; throws DriverCallError naming the file when it cannot.
void commitSettings(QSettings& settings);
