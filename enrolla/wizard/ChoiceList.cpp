#include "ChoiceList.h"

#include "TController.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace Enrolla {

namespace {

constexpr int ListWidth = 380;
constexpr int ItemPixelSize = 15;
constexpr int ItemPadding = 5;

// The list is exactly as high as its items, so that every choice shows at once.
void fitToChoices(QListWidget& list) {
  const int rows = std::max(list.count(), 1);
  list.setFixedHeight(rows * list.sizeHintForRow(0) + 2 * list.frameWidth());
}

}  // namespace

QListWidget* createChoiceList(QWidget& page, QLabel* heading) {
  auto* list = new QListWidget(&page);
  list->setObjectName(QStringLiteral("listBox"));
  list->setFixedWidth(ListWidth);
  list->setSelectionMode(QAbstractItemView::SingleSelection);
  list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  list->setStyleSheet(QStringLiteral("QListWidget::item { padding: %1px; }").arg(ItemPadding));
  QFont font = list->font();
  font.setPixelSize(ItemPixelSize);
  list->setFont(font);
  QObject::connect(list, &QListWidget::itemDoubleClicked, &page, [] { Controller().Next(); });

  auto* column = new QVBoxLayout;
  column->addStretch(1);
  if (heading) {
    heading->setParent(&page);
    heading->setBuddy(list);
    heading->setAlignment(Qt::AlignCenter);
    column->addWidget(heading);
  }
  column->addWidget(list, 0, Qt::AlignHCenter);
  column->addStretch(2);

  auto* layout = new QHBoxLayout(&page);
  layout->addStretch();
  layout->addLayout(column);
  layout->addStretch();
  return list;
}

void fillChoices(QListWidget& list, const QStringList& items) {
  list.clear();
  list.addItems(items);
  list.setCurrentRow(0);
  fitToChoices(list);
}

void addChoice(QListWidget& list, const QString& item) {
  list.addItem(item);
  fitToChoices(list);
}

int selectedRow(const QListWidget& list) {
  const QList<QListWidgetItem*> selected = list.selectedItems();
  return selected.isEmpty() ? -1 : list.row(selected.first());
}

}  // namespace Enrolla
