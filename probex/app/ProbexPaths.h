#pragma once

#include <QString>

#include <memory>

class QSettings;

// Where the program keeps what outlives a run: the settings store of every form
// (\SOFTWARE\Kelvara\Tests\Ferox\A4\Param of the current user), locale.ini in the
// driver's per-user folder, and where it finds its translation catalogue.
//
// A profile folder replaces the user's own folders, so that tests and users can run
// with a clean profile: the settings go to PROFILE/Kelvara/Tests/Ferox/A4/Param.ini and
// locale.ini to PROFILE/Vortan/Ferox/locale.ini.
class ProbexPaths {
 public:
  // The current user's folders.
  ProbexPaths();
  explicit ProbexPaths(const QString& profileFolder);

  // The profile folder, created when missing; the user's folders when the folder is
  // empty. Throws FeroxError when the folder cannot be created.
  static ProbexPaths forProfile(const QString& folder);

  // The settings store; it is created only when something is written to it.
  std::unique_ptr<QSettings> openSettings() const;
  // Writes what was set in the store; throws FeroxError when it cannot be written.
  static void commitSettings(QSettings& settings);
  QString localeIniPath() const;
  // The folder of the catalogues, LANG/LC_MESSAGES/Probex.mo; by default "locale"
  // beside the program.
  QString catalogueFolder() const { return FCatalogueFolder; }
  void setCatalogueFolder(const QString& folder) { FCatalogueFolder = folder; }

 private:
  QString FProfileFolder;
  QString FCatalogueFolder;
};
