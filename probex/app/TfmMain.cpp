#include "TfmMain.h"

#include "ConnectionCaption.h"
#include "ControlValues.h"
#include "DriverBusyGate.h"
#include "ErrorReporter.h"
#include "InformationBox.h"
#include "InterfaceLanguage.h"
#include "PageAction.h"
#include "ProgramVersion.h"
#include "ScreenCentring.h"
#include "TDriver.h"
#include "TPageNotifier.h"
#include "TPages.h"
#include "TPasswordEdit.h"
#include "TfmAbout.h"
#include "TfmTabbedPage.h"
#include "Translation.h"
#include "WindowPlacement.h"

#include <QActionGroup>
#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QSignalBlocker>
#include <QSplitter>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>

using Translation::translate;

namespace {

constexpr int DesignClientWidth = 745;
constexpr int DesignClientHeight = 510;
constexpr int TopBandHeight = 41;
constexpr int StatusPanelHeight = 86;
constexpr int GroupListWidth = 165;
constexpr int GroupListMinWidth = 14;
constexpr int GroupListMaxWidth = 200;
constexpr int PageAreaReserve = 20;

const QString PageIndexKey = QStringLiteral("PageIndex");
const QString TabIndexKey = QStringLiteral("TabIndex");
const QString WidthKey = QStringLiteral("MPWidth");
const QString HeightKey = QStringLiteral("MPHeigth");
const QString TopKey = QStringLiteral("MPTop");
const QString LeftKey = QStringLiteral("MPLeft");

// The page class's object name: TfmReceipt is fmReceipt.
QString objectNameOf(const QString& className) {
  return className.startsWith(QLatin1Char('T')) ? className.mid(1) : className;
}

QLabel* buddyLabel(const QString& text, QWidget* field, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(QStringLiteral("lbl") + field->objectName().mid(3));
  label->setBuddy(field);
  return label;
}

QLineEdit* readOnlyField(const QString& name, QWidget* parent) {
  auto* field = new QLineEdit(parent);
  field->setObjectName(name);
  field->setReadOnly(true);
  return field;
}

bool hasStoredSettings(const QSettings& settings) {
  return settings.status() == QSettings::NoError && !settings.allKeys().isEmpty();
}

int effectiveMinimumWidth(const QWidget& widget) {
  return std::max(widget.minimumWidth(), widget.minimumSizeHint().width());
}

}  // namespace

TfmMain::TfmMain(const PageRegistry& registry, const ProbexPaths& paths, QWidget* parent)
    : TBaseForm(parent),
      FPaths(paths),
      FLanguage(InterfaceLanguage::read(paths.localeIniPath())),
      FChosenLanguage(FLanguage),
      FPages(std::make_unique<TPages>()) {
  ErrorReporter::guard(this, [&] { Translation::use(FLanguage, FPaths.catalogueFolder()); });
  createForm();
  Translation::translateForm(*this);

  PageNotifier().OnChange = [this](TPageNotifier&, bool Value) { actionChanged(Value); };
  buildPages(registry);
  initializePages();
  restoreSettings();
  QCoreApplication::setApplicationName(QStringLiteral("Probex"));
  checkLanguageItem(FLanguage);
  ErrorReporter::guard(this, [this] {
    refreshCaption();
    edtPassword->showDriverPassword();
  });
}

TfmMain::~TfmMain() {
  storeSettings();
  PageNotifier().OnChange = nullptr;
  FCurrentPage = nullptr;
  FPages.reset();
  FreeDriver();
}

void TfmMain::createForm() {
  setObjectName(QStringLiteral("fmMain"));
  setWindowTitle(defaultCaption());
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  createMenu(*layout);
  auto* pnlMain = new QWidget(this);
  pnlMain->setObjectName(QStringLiteral("pnlMain"));
  auto* mainLayout = new QVBoxLayout(pnlMain);
  mainLayout->setContentsMargins(0, 0, 0, 0);
  mainLayout->setSpacing(0);
  mainLayout->addWidget(createTopBand());
  mainLayout->addWidget(createMiddle(), 1);
  mainLayout->addWidget(createStatusPanel());
  layout->addWidget(pnlMain, 1);
}

void TfmMain::createMenu(QVBoxLayout& layout) {
  auto* menuBar = new QMenuBar(this);
  menuBar->setObjectName(QStringLiteral("mmMain"));

  QMenu* file = menuBar->addMenu(QStringLiteral("Файл"));
  file->setObjectName(QStringLiteral("mnuFile"));
  QAction* properties = file->addAction(QStringLiteral("Свойства драйвера..."));
  properties->setObjectName(QStringLiteral("miProperties"));
  connect(properties, &QAction::triggered, this, [this] { showProperties(false); });
  file->addSeparator();
  QAction* exit = file->addAction(QStringLiteral("В&ыход"));
  exit->setObjectName(QStringLiteral("miExit"));
  connect(exit, &QAction::triggered, this, &QWidget::close);

  QMenu* language = menuBar->addMenu(QStringLiteral("Язык"));
  language->setObjectName(QStringLiteral("mnuLanguage"));
  auto* languages = new QActionGroup(this);
  miRussian = language->addAction(QStringLiteral("Русский"));
  miRussian->setObjectName(QStringLiteral("miRussian"));
  miEnglish = language->addAction(QStringLiteral("English"));
  miEnglish->setObjectName(QStringLiteral("miEnglish"));
  for (QAction* item : {miRussian, miEnglish}) {
    item->setCheckable(true);
    languages->addAction(item);
  }
  miRussian->setChecked(true);
  connect(miRussian, &QAction::triggered, this,
          [this] { chooseLanguage(InterfaceLanguage::Russian); });
  connect(miEnglish, &QAction::triggered, this,
          [this] { chooseLanguage(InterfaceLanguage::English); });

  QMenu* help = menuBar->addMenu(QStringLiteral("Справка"));
  help->setObjectName(QStringLiteral("mnuHelp"));
  QAction* about = help->addAction(QStringLiteral("О программе..."));
  about->setObjectName(QStringLiteral("miAbout"));
  connect(about, &QAction::triggered, this, &TfmMain::showAbout);

  layout.setMenuBar(menuBar);
}

QWidget* TfmMain::createTopBand() {
  auto* band = new QWidget(this);
  band->setObjectName(QStringLiteral("pnlTop"));
  band->setFixedHeight(TopBandHeight);
  band->setBackgroundRole(QPalette::Base);
  band->setAutoFillBackground(true);
  auto* logo = new QLabel(band);
  logo->setObjectName(QStringLiteral("imgLogo"));
  logo->setPixmap(QPixmap(QStringLiteral(":/probex/logo.png")));
  logo->setAccessibleName(QStringLiteral("Probex"));
  auto* layout = new QHBoxLayout(band);
  layout->setContentsMargins(8, 0, 8, 0);
  layout->addStretch();
  layout->addWidget(logo);
  return band;
}

QWidget* TfmMain::createMiddle() {
  spMain = new QSplitter(Qt::Horizontal, this);
  spMain->setObjectName(QStringLiteral("spMain"));
  spMain->setChildrenCollapsible(false);
  lbPages = new QListWidget(spMain);
  lbPages->setObjectName(QStringLiteral("lbPages"));
  lbPages->setAccessibleName(QStringLiteral("Группы страниц"));
  lbPages->setMinimumWidth(GroupListMinWidth);
  lbPages->setMaximumWidth(GroupListMaxWidth);
  // A narrowed list cuts its captions short instead of scrolling sideways.
  lbPages->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  lbPages->setTextElideMode(Qt::ElideRight);
  connect(lbPages, &QListWidget::currentRowChanged, this, [this](int row) { showGroup(row, -1); });
  pnlPages = new QWidget(spMain);
  pnlPages->setObjectName(QStringLiteral("pnlPages"));
  auto* pagesLayout = new QVBoxLayout(pnlPages);
  pagesLayout->setContentsMargins(0, 0, 0, 0);
  spMain->addWidget(lbPages);
  spMain->addWidget(pnlPages);
  spMain->setStretchFactor(1, 1);
  spMain->setSizes({GroupListWidth, DesignClientWidth - GroupListWidth});
  return spMain;
}

QWidget* TfmMain::createStatusPanel() {
  auto* panel = new QWidget(this);
  panel->setObjectName(QStringLiteral("pnlInfo"));
  panel->setFixedHeight(StatusPanelHeight);
  edtResult = readOnlyField(QStringLiteral("edtResult"), panel);
  edtSent = readOnlyField(QStringLiteral("edtSent"), panel);
  edtReceived = readOnlyField(QStringLiteral("edtReceived"), panel);
  edtTime = readOnlyField(QStringLiteral("edtTime"), panel);
  edtOperator = readOnlyField(QStringLiteral("edtOperator"), panel);
  edtPassword = new TPasswordEdit(panel);
  edtPassword->setObjectName(QStringLiteral("edtPassword"));
  edtPassword->setToolTip(QStringLiteral("Password"));
  auto* properties = new QPushButton(QStringLiteral("Настройка свойств"), panel);
  properties->setObjectName(QStringLiteral("btnProperties"));
  properties->setToolTip(QStringLiteral("ShowProperties"));
  connect(properties, &QPushButton::clicked, this, [this] { showProperties(true); });
  auto* close = new QPushButton(QStringLiteral("Закрыть"), panel);
  close->setObjectName(QStringLiteral("btnClose"));
  connect(close, &QPushButton::clicked, this, &QWidget::close);

  auto* grid = new QGridLayout(panel);
  grid->setContentsMargins(6, 4, 6, 4);
  grid->setVerticalSpacing(3);
  grid->setColumnStretch(1, 3);
  grid->setColumnStretch(3, 1);
  const struct {
    QString caption;
    QWidget* field;
    int row, column;
  } fields[] = {
      {QStringLiteral("Результат:"), edtResult, 0, 0},
      {QStringLiteral("Передано:"), edtSent, 1, 0},
      {QStringLiteral("Принято:"), edtReceived, 2, 0},
      {QStringLiteral("Время:"), edtTime, 0, 2},
      {QStringLiteral("Оператор:"), edtOperator, 1, 2},
      {QStringLiteral("Пароль:"), edtPassword, 2, 2},
  };
  for (const auto& f : fields) {
    grid->addWidget(buddyLabel(f.caption, f.field, panel), f.row, f.column);
    grid->addWidget(f.field, f.row, f.column + 1);
  }
  grid->addWidget(properties, 0, 4);
  grid->addWidget(close, 1, 4);
  return panel;
}

void TfmMain::buildPages(const PageRegistry& registry) {
  for (const PageGroup& group : registry)
    if (!group.pages.empty()) addGroup(group);
}

void TfmMain::addGroup(const PageGroup& group) {
  auto* tabbed = new TfmTabbedPage(pnlPages);
  tabbed->setObjectName(QStringLiteral("fmGroup%1").arg(group.number, 2, 10, QLatin1Char('0')));
  tabbed->SetOwner(FPages.get());
  tabbed->hide();
  pnlPages->layout()->addWidget(tabbed);
  FGroups.push_back(tabbed);
  lbPages->addItem(
      QString::asprintf("  %.2d. %s", group.number, qUtf8Printable(translate(group.caption))));
  for (const PageEntry& entry : group.pages) tabbed->addPage(createPage(entry));
}

TPage* TfmMain::createPage(const PageEntry& entry) {
  TPage* page = entry.create();
  if (page->objectName().isEmpty()) page->setObjectName(objectNameOf(entry.className));
  page->setWindowTitle(entry.caption);
  Translation::translateForm(*page);
  page->SetOwner(FPages.get());
  return page;
}

void TfmMain::initializePages() {
  for (int i = 0; i < FPages->Count(); ++i) {
    TPage* page = FPages->Items(i);
    ErrorReporter::guard(this, [page] { page->Initialize(); });
  }
}

void TfmMain::restoreSettings() {
  ControlValues::resetComboBoxes(*this);
  int group = 0;
  int tab = 0;
  const auto settings = FPaths.openSettings();
  const bool stored = hasStoredSettings(*settings);
  if (stored) {
    ControlValues::restore(*this, *settings);
    group = ControlValues::integerValue(settings->value(PageIndexKey)).value_or(0);
    tab = ControlValues::integerValue(settings->value(TabIndexKey)).value_or(0);
  }
  restoreWindow(stored ? settings.get() : nullptr);
  showGroup(group, tab);
}

void TfmMain::restoreWindow(const QSettings* settings) {
  const QSize design(DesignClientWidth,
                     DesignClientHeight + layout()->menuBar()->sizeHint().height());
  const QRect screenArea = screen()->availableGeometry();
  QRect centred(QPoint(), design);
  centred.moveCenter(screenArea.center());
  StoredPlacement stored;
  if (settings) {
    stored.width = ControlValues::integerValue(settings->value(WidthKey));
    stored.height = ControlValues::integerValue(settings->value(HeightKey));
    stored.top = ControlValues::integerValue(settings->value(TopKey));
    stored.left = ControlValues::integerValue(settings->value(LeftKey));
  }
  const QRect placed = placeWindow(centred, stored, minimumSizeHint(), screenArea);
  resize(placed.size());
  move(placed.topLeft());
  FCentreWhenShown = !stored.top && !stored.left;
}

void TfmMain::storeSettings() {
  const auto settings = FPaths.openSettings();
  ControlValues::store(*this, *settings);
  settings->setValue(PageIndexKey, lbPages->currentRow());
  settings->setValue(TabIndexKey, activeTabIndex());
  settings->setValue(WidthKey, width());
  settings->setValue(HeightKey, height());
  settings->setValue(TopKey, y());
  settings->setValue(LeftKey, x());
  ErrorReporter::guard(nullptr, [&] { ProbexPaths::commitSettings(*settings); });
}

int TfmMain::activeTabIndex() const {
  const int row = lbPages->currentRow();
  if (row < 0 || row >= int(FGroups.size())) return 0;
  return std::max(FGroups[std::size_t(row)]->tabs()->currentIndex(), 0);
}

void TfmMain::showGroup(int row, int tab) {
  if (FGroups.empty()) return;
  if (row < 0 || row >= int(FGroups.size())) row = 0;
  {
    const QSignalBlocker quiet(lbPages);
    lbPages->setCurrentRow(row);
  }
  TfmTabbedPage* group = FGroups[std::size_t(row)];
  if (tab >= 0) group->setActiveTabSilently(tab);
  showPage(group);
}

void TfmMain::showPage(TPage* page) {
  if (page == FCurrentPage) return;
  TPage* previous = FCurrentPage;
  if (previous) ErrorReporter::guard(this, [previous] { previous->UpdateObject(); });
  page->show();
  if (previous) previous->hide();
  FCurrentPage = page;
  limitGroupListWidth();
  ErrorReporter::guard(this, [page] { page->UpdatePage(); });
}

void TfmMain::limitGroupListWidth() {
  // The shown page keeps at least its minimum width; the list never gets wider than 200.
  const int pageMinimum = FCurrentPage ? effectiveMinimumWidth(*FCurrentPage) : 0;
  const int limit = std::min(GroupListMaxWidth, width() - pageMinimum - PageAreaReserve);
  lbPages->setMaximumWidth(std::max(lbPages->minimumWidth(), limit));
}

void TfmMain::resizeEvent(QResizeEvent* event) {
  TBaseForm::resizeEvent(event);
  limitGroupListWidth();
}

void TfmMain::showEvent(QShowEvent* event) {
  TBaseForm::showEvent(event);
  if (std::exchange(FCentreWhenShown, false)) centreOnScreen(*this);
}

void TfmMain::actionChanged(bool Value) {
  try {
    if (!Value) {
      FDisplay.actionStarted();
      showResultTexts();
      // Painting only the cleared fields, rather than handling every pending event,
      // keeps a click already queued from starting a second action inside this one.
      for (QLineEdit* field : {edtResult, edtSent, edtReceived, edtTime, edtOperator})
        field->repaint();
      return;
    }
    FDisplay.actionEnded();
    showResultTexts();
    if (!DriverBusyGate::heldBy()) refreshCaption();
  } catch (...) {
    // The display must never break an action; it stays as far as it got.
  }
}

void TfmMain::showResultTexts() {
  const ResultTexts& texts = FDisplay.texts();
  edtResult->setText(texts.result);
  edtSent->setText(texts.sent);
  edtReceived->setText(texts.received);
  edtTime->setText(texts.time);
  edtOperator->setText(texts.operatorNumber);
}

void TfmMain::refreshCaption() { setWindowTitle(connectionCaption(Driver())); }

void TfmMain::showProperties(bool refreshPage) {
  runAction(*this, [this, refreshPage] {
    Driver().ShowProperties();
    // The dialog may have changed the connection, which the caption names.
    refreshCaption();
    if (!refreshPage) return;
    edtPassword->showDriverPassword();
    if (FCurrentPage) FCurrentPage->UpdatePage();
  });
}

void TfmMain::chooseLanguage(const QString& language) {
  const auto failure =
      ErrorReporter::failureOf([&] { InterfaceLanguage::write(FPaths.localeIniPath(), language); });
  if (failure) {
    checkLanguageItem(FChosenLanguage);
    ErrorReporter::show(this, *failure);
    return;
  }
  FChosenLanguage = language;
  checkLanguageItem(language);
  InformationBox::show(
      this, translate(QStringLiteral("Внимание")),
      translate(QStringLiteral("Для измения языка необходимо перезапустить приложение")));
}

void TfmMain::checkLanguageItem(const QString& language) {
  (language == InterfaceLanguage::English ? miEnglish : miRussian)->setChecked(true);
}

void TfmMain::showAbout() {
  TfmAbout about(this);
  about.exec();
}
