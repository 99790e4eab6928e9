#pragma once

#include <QString>

class QWidget;

// The process's interface language. Forms are written in Russian; in English the
// catalogue (domain "Probex", CATALOGUES/en/LC_MESSAGES/Probex.mo) maps each Russian
// text to its translation, and a text it lacks stays Russian.
namespace Translation {

// Switches to the language ("EN" or "RU"). Throws FeroxError when the English catalogue
// cannot be read; the interface then stays Russian.
void use(const QString& language, const QString& catalogueFolder);

// The text in the current language.
QString translate(const QString& russian);

// Translates every text of a freshly created form.
void translateForm(QWidget& form);

}  // namespace Translation
