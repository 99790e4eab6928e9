#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>

#include <optional>

// A compiled gettext catalogue (.mo): the translation of each original text. Decoding
// checks every count and offset against the file, so a truncated or corrupt file is
// rejected as a whole instead of being read past its end. Texts are UTF-8; entries with
// a context are not used by the program and are left out; of a plural entry the
// singular forms are kept.
class GettextCatalogue {
 public:
  // None when the bytes are not a well-formed catalogue.
  static std::optional<GettextCatalogue> decode(const QByteArray& bytes);
  // None when the file cannot be read or is not a well-formed catalogue.
  static std::optional<GettextCatalogue> load(const QString& path);

  // The translation of the text; the text itself when the catalogue has none.
  QString translate(const QString& original) const;
  int count() const { return int(FTranslations.size()); }

 private:
  QHash<QString, QString> FTranslations;
};
