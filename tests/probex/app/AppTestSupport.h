#pragma once

#include "InformationBox.h"
#include "ProbexPaths.h"

#include <QSettings>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>
#include <utility>

// A clean profile for one test: its own settings store and locale.ini in a temporary
// folder, and the English catalogue of the build.
class TemporaryProfile {
 public:
  TemporaryProfile() : FPaths(FFolder.path()) {
    FPaths.setCatalogueFolder(PROBEX_CATALOGUE_FOLDER);
  }

  const ProbexPaths& paths() const { return FPaths; }
  std::unique_ptr<QSettings> settings() const { return FPaths.openSettings(); }

  void store(const QString& key, const QVariant& value) const {
    const auto store = settings();
    store->setValue(key, value);
    store->sync();
  }

 private:
  QTemporaryDir FFolder;
  ProbexPaths FPaths;
};

// Collects information boxes instead of showing them.
class InformationCapture {
 public:
  InformationCapture() {
    previous_ =
        InformationBox::setHook([this](QWidget*, const QString& caption, const QString& text) {
          captions << caption;
          texts << text;
        });
  }
  ~InformationCapture() { InformationBox::setHook(std::move(previous_)); }

  QStringList captions;
  QStringList texts;

 private:
  InformationBox::Hook previous_;
};
