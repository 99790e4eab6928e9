#include "FormTexts.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTabBar>
#include <QTableWidget>
#include <QTextEdit>
#include <QTreeWidget>

namespace {

// Applies the mapping to one text through its getter and setter; empty texts are skipped.
template <class Get, class Set>
void mapText(const TextMapping& mapping, Get get, Set set) {
  const QString text = get();
  if (text.isEmpty()) return;
  const QString mapped = mapping(text);
  if (mapped != text) set(mapped);
}

void mapCommonTexts(QWidget& widget, const TextMapping& mapping) {
  mapText(
      mapping, [&] { return widget.toolTip(); }, [&](const QString& t) { widget.setToolTip(t); });
  mapText(
      mapping, [&] { return widget.statusTip(); },
      [&](const QString& t) { widget.setStatusTip(t); });
  mapText(
      mapping, [&] { return widget.accessibleName(); },
      [&](const QString& t) { widget.setAccessibleName(t); });
}

void mapItemTexts(QWidget& widget, const TextMapping& mapping) {
  if (auto* combo = qobject_cast<QComboBox*>(&widget)) {
    for (int i = 0; i < combo->count(); ++i)
      mapText(
          mapping, [&] { return combo->itemText(i); },
          [&](const QString& t) { combo->setItemText(i, t); });
  } else if (auto* list = qobject_cast<QListWidget*>(&widget)) {
    for (int i = 0; i < list->count(); ++i)
      mapText(
          mapping, [&] { return list->item(i)->text(); },
          [&](const QString& t) { list->item(i)->setText(t); });
  } else if (auto* tabs = qobject_cast<QTabBar*>(&widget)) {
    for (int i = 0; i < tabs->count(); ++i) {
      mapText(
          mapping, [&] { return tabs->tabText(i); },
          [&](const QString& t) { tabs->setTabText(i, t); });
      mapText(
          mapping, [&] { return tabs->tabToolTip(i); },
          [&](const QString& t) { tabs->setTabToolTip(i, t); });
    }
  } else if (auto* tree = qobject_cast<QTreeWidget*>(&widget)) {
    QTreeWidgetItem* header = tree->headerItem();
    for (int i = 0; i < header->columnCount(); ++i)
      mapText(
          mapping, [&] { return header->text(i); },
          [&](const QString& t) { header->setText(i, t); });
  } else if (auto* table = qobject_cast<QTableWidget*>(&widget)) {
    for (int i = 0; i < table->columnCount(); ++i)
      if (QTableWidgetItem* header = table->horizontalHeaderItem(i))
        mapText(
            mapping, [&] { return header->text(); }, [&](const QString& t) { header->setText(t); });
  }
}

void mapOwnTexts(QWidget& widget, const TextMapping& mapping) {
  if (auto* label = qobject_cast<QLabel*>(&widget))
    mapText(
        mapping, [&] { return label->text(); }, [&](const QString& t) { label->setText(t); });
  else if (auto* button = qobject_cast<QAbstractButton*>(&widget))
    mapText(
        mapping, [&] { return button->text(); }, [&](const QString& t) { button->setText(t); });
  else if (auto* group = qobject_cast<QGroupBox*>(&widget))
    mapText(
        mapping, [&] { return group->title(); }, [&](const QString& t) { group->setTitle(t); });
  else if (auto* edit = qobject_cast<QLineEdit*>(&widget))
    mapText(
        mapping, [&] { return edit->placeholderText(); },
        [&](const QString& t) { edit->setPlaceholderText(t); });
  else if (auto* memo = qobject_cast<QPlainTextEdit*>(&widget))
    mapText(
        mapping, [&] { return memo->placeholderText(); },
        [&](const QString& t) { memo->setPlaceholderText(t); });
  else if (auto* text = qobject_cast<QTextEdit*>(&widget))
    mapText(
        mapping, [&] { return text->placeholderText(); },
        [&](const QString& t) { text->setPlaceholderText(t); });
  mapItemTexts(widget, mapping);
  mapCommonTexts(widget, mapping);
}

void mapActionTexts(QAction& action, const TextMapping& mapping) {
  // An action's hint follows its text unless set apart, so the text is what translates.
  mapText(
      mapping, [&] { return action.text(); }, [&](const QString& t) { action.setText(t); });
  if (QMenu* menu = action.menu()) {
    mapText(
        mapping, [&] { return menu->title(); }, [&](const QString& t) { menu->setTitle(t); });
    for (QAction* item : menu->actions()) mapActionTexts(*item, mapping);
  }
}

void mapWidgetTree(QWidget& widget, const TextMapping& mapping) {
  mapOwnTexts(widget, mapping);
  for (QAction* action : widget.actions()) mapActionTexts(*action, mapping);
  for (QObject* child : widget.children()) {
    auto* childWidget = qobject_cast<QWidget*>(child);
    if (childWidget && !childWidget->isWindow()) mapWidgetTree(*childWidget, mapping);
  }
}

}  // namespace

void mapFormTexts(QWidget& form, const TextMapping& mapping) {
  mapText(
      mapping, [&] { return form.windowTitle(); },
      [&](const QString& t) { form.setWindowTitle(t); });
  mapWidgetTree(form, mapping);
}
