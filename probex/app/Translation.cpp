#include "Translation.h"

#include "FeroxError.h"
#include "FormTexts.h"
#include "GettextCatalogue.h"
#include "InterfaceLanguage.h"

#include <QDir>

#include <optional>

namespace {

constexpr auto TextDomain = "Probex";

std::optional<GettextCatalogue>& currentCatalogue() {
  static std::optional<GettextCatalogue> catalogue;
  return catalogue;
}

QString cataloguePath(const QString& folder, const QString& language) {
  return QDir(folder).filePath(
      QStringLiteral("%1/LC_MESSAGES/%2.mo").arg(language.toLower(), QLatin1String(TextDomain)));
}

}  // namespace

namespace Translation {

void use(const QString& language, const QString& catalogueFolder) {
  currentCatalogue().reset();
  if (language != InterfaceLanguage::English) return;
  const QString path = cataloguePath(catalogueFolder, language);
  currentCatalogue() = GettextCatalogue::load(path);
  if (!currentCatalogue())
    throw FeroxError(
        QStringLiteral("Не удалось прочитать каталог перевода \"%1\"; интерфейс остаётся на "
                       "русском языке")
            .arg(path));
}

QString translate(const QString& russian) {
  return currentCatalogue() ? currentCatalogue()->translate(russian) : russian;
}

void translateForm(QWidget& form) {
  if (currentCatalogue()) mapFormTexts(form, translate);
}

}  // namespace Translation
