#pragma once

#include <QString>

#include <functional>

class QWidget;

// Every text a form shows to the user, as the translation catalogue knows it: captions,
// labels, button and check box texts, group titles, tab captions, list and combo box
// items, table headers, menus and their commands, hints, placeholders and accessible
// names. Field values are not texts of the form and are left alone.
//
// Each text is passed to the mapping and replaced by what it returns; windows of their
// own (dialogs parented to the form) are not part of the form, menus are.
using TextMapping = std::function<QString(const QString& text)>;
void mapFormTexts(QWidget& form, const TextMapping& mapping);
