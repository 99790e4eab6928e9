#pragma once

#include <QString>

// Where the control keeps its per-user files. Environment variables move them, so that
// tests and scripted runs work with a clean profile:
//   FEROX_SETTINGS_DIR  the settings folder (default: the user's configuration folder,
//                       then Vortan/Ferox)
//   FEROX_PORT_MAP      the port map file (default: ports.ini in the settings folder)
QString feroxSettingsDir();

// The control's own settings: connection, password, logical devices.
QString feroxSettingsFile();

QString portMapFile();

// The folder of the port lock files. Locks only mean something between processes that
// agree on it, so it is per user and outside the settings folder.
QString portLockDir();
