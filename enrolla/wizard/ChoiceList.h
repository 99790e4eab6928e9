#pragma once

#include <QStringList>

class QLabel;
class QListWidget;
class QWidget;

namespace Enrolla {

// Lays a page out as a choice: one list box "listBox" centred in the page, under an
// optional heading that is the list's label. A double click on an item acts as
// "Далее >".
QListWidget* createChoiceList(QWidget& page, QLabel* heading = nullptr);

// Replaces the list's items and selects the first; the list grows to show them all.
void fillChoices(QListWidget& list, const QStringList& items);
// Adds one item at the end, growing the list.
void addChoice(QListWidget& list, const QString& item);

// The row of the selected item; -1 when none is selected.
int selectedRow(const QListWidget& list);

}  // namespace Enrolla
