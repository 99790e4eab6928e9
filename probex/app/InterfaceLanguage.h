#pragma once

#include <QString>

// The interface language kept in locale.ini (section "Locale", key "Lang"): "RU" or
// "EN". The program reads it once per run; a change takes effect at the next start.
namespace InterfaceLanguage {

inline const QString Russian = QStringLiteral("RU");
inline const QString English = QStringLiteral("EN");

// "EN" when the file says so; "RU" for a missing or unreadable file, a missing key or
// any other value. The file's folders are created when missing.
QString read(const QString& localeIniPath);

// Stores the language; throws FeroxError when the file cannot be written.
void write(const QString& localeIniPath, const QString& language);

}  // namespace InterfaceLanguage
