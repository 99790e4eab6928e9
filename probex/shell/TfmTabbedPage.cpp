#include "TfmTabbedPage.h"

#include "ErrorReporter.h"

#include <QSignalBlocker>
#include <QTabWidget>
#include <QVBoxLayout>

#include <utility>

TfmTabbedPage::TfmTabbedPage(QWidget* parent) : TPage(parent), FTabs(new QTabWidget(this)) {
  FTabs->setObjectName(QStringLiteral("pcPages"));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(FTabs);
  connect(FTabs, &QTabWidget::currentChanged, this, &TfmTabbedPage::activeTabChanged);
}

void TfmTabbedPage::addPage(TPage* page) {
  auto* sheet = new QWidget;
  sheet->setObjectName(QStringLiteral("tsPage%1").arg(FTabs->count() + 1));
  auto* layout = new QVBoxLayout(sheet);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(page);
  page->setVisible(true);
  const QSignalBlocker quiet(FTabs);
  FTabs->addTab(sheet, page->windowTitle());
  FActiveSheet = FTabs->currentWidget();
}

void TfmTabbedPage::setActiveTabSilently(int index) {
  if (index < 0 || index >= FTabs->count()) return;
  const QSignalBlocker quiet(FTabs);
  FTabs->setCurrentIndex(index);
  FActiveSheet = FTabs->currentWidget();
}

TPage* TfmTabbedPage::pageOn(QWidget* sheet) {
  if (!sheet) return nullptr;
  return qobject_cast<TPage*>(sheet->findChild<QWidget*>(QString(), Qt::FindDirectChildrenOnly));
}

TPage* TfmTabbedPage::activePage() const { return pageOn(FTabs->currentWidget()); }

void TfmTabbedPage::UpdatePage() {
  if (TPage* page = activePage()) page->UpdatePage();
}

void TfmTabbedPage::UpdateObject() {
  if (TPage* page = activePage()) page->UpdateObject();
}

void TfmTabbedPage::activeTabChanged() {
  ErrorReporter::guard(this, [this] {
    QWidget* left = std::exchange(FActiveSheet, FTabs->currentWidget());
    if (TPage* page = pageOn(left)) page->UpdateObject();
    UpdatePage();
  });
}
