#include "FormTexts.h"
#include "QtPrinters.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <gtest/gtest.h>

namespace {

// One text of each kind a form shows, and what is not a text of the form.
struct TextsForm {
  TextsForm() {
    form.setWindowTitle(QStringLiteral("окно"));
    auto* layout = new QVBoxLayout(&form);
    auto* menuBar = new QMenuBar(&form);
    QMenu* menu = menuBar->addMenu(QStringLiteral("меню"));
    action = menu->addAction(QStringLiteral("команда"));
    layout->setMenuBar(menuBar);
    label = new QLabel(QStringLiteral("метка"), &form);
    button = new QPushButton(QStringLiteral("кнопка"), &form);
    button->setToolTip(QStringLiteral("подсказка"));
    check = new QCheckBox(QStringLiteral("флажок"), &form);
    group = new QGroupBox(QStringLiteral("рамка"), &form);
    edit = new QLineEdit(QStringLiteral("значение"), &form);
    edit->setPlaceholderText(QStringLiteral("пример"));
    edit->setAccessibleName(QStringLiteral("поле"));
    combo = new QComboBox(&form);
    combo->addItem(QStringLiteral("пункт"));
    list = new QListWidget(&form);
    list->addItem(QStringLiteral("строка"));
    tabs = new QTabWidget(&form);
    tabs->addTab(new QWidget, QStringLiteral("вкладка"));
    tree = new QTreeWidget(&form);
    tree->setHeaderLabels({QStringLiteral("столбец")});
    table = new QTableWidget(1, 1, &form);
    table->setHorizontalHeaderLabels({QStringLiteral("колонка")});
    table->setItem(0, 0, new QTableWidgetItem(QStringLiteral("данные")));
    dialog = new QDialog(&form);
    dialog->setWindowTitle(QStringLiteral("диалог"));
    for (QWidget* w : std::initializer_list<QWidget*>{label, button, check, group, edit, combo,
                                                      list, tabs, tree, table})
      layout->addWidget(w);
  }

  QWidget form;
  QAction* action;
  QLabel* label;
  QPushButton* button;
  QCheckBox* check;
  QGroupBox* group;
  QLineEdit* edit;
  QComboBox* combo;
  QListWidget* list;
  QTabWidget* tabs;
  QTreeWidget* tree;
  QTableWidget* table;
  QDialog* dialog;
};

TEST(FormTextsTest, EveryTextOfTheFormIsMappedAndFieldValuesAndOtherWindowsAreNot) {
  TextsForm texts;
  QStringList seen;
  mapFormTexts(texts.form, [&](const QString& text) {
    seen << text;
    return text.toUpper();
  });
  for (const char* text :
       {"окно", "меню", "команда", "метка", "кнопка", "подсказка", "флажок", "рамка", "пример",
        "поле", "пункт", "строка", "вкладка", "столбец", "колонка"})
    EXPECT_TRUE(seen.contains(QString::fromUtf8(text))) << text;
  for (const char* text : {"значение", "данные", "диалог"})
    EXPECT_FALSE(seen.contains(QString::fromUtf8(text))) << text;

  EXPECT_EQ(texts.form.windowTitle(), "ОКНО");
  EXPECT_EQ(texts.action->text(), "КОМАНДА");
  EXPECT_EQ(texts.label->text(), "МЕТКА");
  EXPECT_EQ(texts.button->toolTip(), "ПОДСКАЗКА");
  EXPECT_EQ(texts.group->title(), "РАМКА");
  EXPECT_EQ(texts.edit->placeholderText(), "ПРИМЕР");
  EXPECT_EQ(texts.edit->text(), "значение");
  EXPECT_EQ(texts.combo->itemText(0), "ПУНКТ");
  EXPECT_EQ(texts.list->item(0)->text(), "СТРОКА");
  EXPECT_EQ(texts.tabs->tabText(0), "ВКЛАДКА");
  EXPECT_EQ(texts.tree->headerItem()->text(0), "СТОЛБЕЦ");
  EXPECT_EQ(texts.table->horizontalHeaderItem(0)->text(), "КОЛОНКА");
  EXPECT_EQ(texts.dialog->windowTitle(), "диалог");
}

}  // namespace
