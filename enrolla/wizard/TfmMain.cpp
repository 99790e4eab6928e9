#include "TfmMain.h"

#include "ScreenCentring.h"
#include "TController.h"
#include "TParamPage.h"
#include "TParamPages.h"
#include "TfmReasonCodes.h"
#include "WizardCaption.h"
#include "WizardDriver.h"
#include "WizardIcons.h"
#include "WizardStep.h"

#include <QCloseEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QStackedLayout>
#include <QVBoxLayout>

#include <algorithm>

namespace Enrolla {

namespace {

constexpr int ClientWidth = 730;
constexpr int ClientHeight = 458;
constexpr int TopBandHeight = 41;
constexpr int BottomBandHeight = 66;
constexpr int CaptionPixelSize = 15;
constexpr int BandMargin = 12;
constexpr int ImageButtonSide = 44;

QFrame* separatorLine() {
  auto* line = new QFrame;
  line->setFrameShape(QFrame::HLine);
  line->setFrameShadow(QFrame::Sunken);
  return line;
}

}  // namespace

TfmMain::TfmMain(const std::vector<PageFactory>& pages, const QString& programFolder,
                 QWidget* parent)
    : QWidget(parent), FPages(std::make_unique<TParamPages>()) {
  setObjectName(QStringLiteral("fmMain"));
  TController& controller = Controller();
  controller.X5Mode = isX5Mode(programFolder);
  setWindowTitle(wizardCaption(controller.X5Mode));

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(createTopBand());
  layout->addWidget(separatorLine());
  layout->addWidget(createSite(), 1);
  layout->addWidget(separatorLine());
  layout->addWidget(createBottomBand());

  for (const PageFactory& factory : pages) AddPage(factory);
  resize(QSize(ClientWidth, ClientHeight).expandedTo(minimumSizeHint()));

  controller.SetWindow(this);
  controller.CurrentPage = FPages->Count() > 0 ? FPages->Items(0) : nullptr;
  FReasonCodes = new TfmReasonCodes(this);
}

TfmMain::~TfmMain() {
  stopPages();
  FreeDriver();
  FPages.reset();
  TController& controller = Controller();
  if (controller.Window() == this) {
    controller.SetWindow(nullptr);
    controller.CurrentPage = nullptr;
  }
}

QWidget* TfmMain::createTopBand() {
  pnlTop = new QLabel;
  pnlTop->setObjectName(QStringLiteral("pnlTop"));
  pnlTop->setFixedHeight(TopBandHeight);
  pnlTop->setIndent(BandMargin);
  pnlTop->setAutoFillBackground(true);
  pnlTop->setBackgroundRole(QPalette::Base);
  QFont font = pnlTop->font();
  font.setBold(true);
  font.setPixelSize(CaptionPixelSize);
  pnlTop->setFont(font);
  return pnlTop;
}

QWidget* TfmMain::createSite() {
  pnlSite = new QWidget;
  pnlSite->setObjectName(QStringLiteral("pnlSite"));
  siteLayout = new QStackedLayout(pnlSite);
  return pnlSite;
}

QWidget* TfmMain::createBottomBand() {
  // The band places its buttons itself: "< Назад" and "Далее >" stay centred in the
  // window whatever its width, the image buttons keep to the edges.
  pnlBottom = new QWidget;
  pnlBottom->setObjectName(QStringLiteral("pnlBottom"));
  pnlBottom->setFixedHeight(BottomBandHeight);
  pnlBottom->installEventFilter(this);

  btnHome = createImageButton(QStringLiteral("btnHome"), homeIcon(),
                              QStringLiteral("Вернуться в начало"));
  btnMenu = createImageButton(QStringLiteral("btnMenu"), settingsIcon(),
                              QStringLiteral("Настройки драйвера"));
  connect(btnHome, &QPushButton::clicked, this, &TfmMain::homeClicked);
  connect(btnMenu, &QPushButton::clicked, this, &TfmMain::settingsClicked);

  pnlButtons = new QWidget(pnlBottom);
  pnlButtons->setObjectName(QStringLiteral("pnlButtons"));
  btnPrev = new QPushButton(QStringLiteral("< Назад"));
  btnPrev->setObjectName(QStringLiteral("btnPrev"));
  btnNext = new QPushButton(QStringLiteral("Далее >"));
  btnNext->setObjectName(QStringLiteral("btnNext"));
  btnNext->setDefault(true);
  auto* buttons = new QHBoxLayout(pnlButtons);
  buttons->setContentsMargins(0, 0, 0, 0);
  for (QPushButton* button : {btnPrev, btnNext}) {
    button->setMinimumSize(120, 34);
    buttons->addWidget(button);
  }
  connect(btnPrev, &QPushButton::clicked, this, &TfmMain::prevClicked);
  connect(btnNext, &QPushButton::clicked, this, &TfmMain::nextClicked);
  pnlButtons->adjustSize();
  return pnlBottom;
}

QPushButton* TfmMain::createImageButton(const QString& name, const QIcon& icon,
                                        const QString& hint) {
  auto* button = new QPushButton(pnlBottom);
  button->setObjectName(name);
  button->setIcon(icon);
  button->setIconSize(QSize(ImageButtonSide - 12, ImageButtonSide - 12));
  button->setFixedSize(ImageButtonSide, ImageButtonSide);
  button->setFlat(true);
  button->setToolTip(hint);
  button->setAccessibleName(hint);
  return button;
}

void TfmMain::placeBottomButtons() {
  const int width = pnlBottom->width();
  const int buttonTop = (BottomBandHeight - ImageButtonSide) / 2;
  btnHome->move(BandMargin, buttonTop);
  btnMenu->move(width - BandMargin - ImageButtonSide, buttonTop);
  pnlButtons->move((width - pnlButtons->width()) / 2,
                   (BottomBandHeight - pnlButtons->height()) / 2);
}

bool TfmMain::eventFilter(QObject* watched, QEvent* event) {
  if (watched == pnlBottom && event->type() == QEvent::Resize) placeBottomButtons();
  return QWidget::eventFilter(watched, event);
}

void TfmMain::AddPage(const PageFactory& factory) {
  TParamPage* page = factory().release();
  page->SetOwner(FPages.get());
  siteLayout->addWidget(page);
}

void TfmMain::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (FShownBefore) return;
  FShownBefore = true;
  centreOnScreen(*this);
  Controller().NextPageClass = PageClass::TfmSelectWorkType;
  ShowPage(0);
}

void TfmMain::closeEvent(QCloseEvent* event) {
  stopPages();
  event->accept();
}

void TfmMain::keyPressEvent(QKeyEvent* event) {
  // "Далее >" is the default button: Enter that no field took presses it.
  const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  if (enter && event->modifiers() == Qt::NoModifier) {
    PressNext();
    return;
  }
  QWidget::keyPressEvent(event);
}

void TfmMain::ShowPage(int index) {
  for (QPushButton* button : {btnNext, btnPrev, btnHome, btnMenu}) button->setEnabled(true);
  if (index < 0 || index >= FPages->Count()) return;
  if (index != FIndex) showCurrentPage(index);
  // Only the first page has no way back; elsewhere "< Назад" stays as the page's show
  // handler left it, which may have locked it while the page works.
  if (index == 0) btnPrev->setEnabled(false);
}

void TfmMain::showCurrentPage(int index) {
  TParamPage* page = FPages->Items(index);
  siteLayout->setCurrentWidget(page);
  pnlTop->setText(page->windowTitle());
  FIndex = index;
  runWizardStep(page, [page] { page->FormShow(); });
}

void TfmMain::nextClicked() {
  TParamPage* old = Controller().CurrentPage;
  if (!old || !runWizardStep(old, [old] { old->Next(); })) return;
  const int index = std::max(0, FPages->IndexOfClass(Controller().NextPageClass));
  TParamPage* page = FPages->Items(index);
  // A page that keeps the wizard on itself keeps its own way back.
  if (page != old) page->PrevPage = old;
  Controller().CurrentPage = page;
  ShowPage(index);
}

void TfmMain::prevClicked() {
  TParamPage* current = Controller().CurrentPage;
  if (!current || !runWizardStep(current, [current] { current->Prev(); })) return;
  const int index = std::max(0, FPages->IndexOf(current->PrevPage));
  Controller().CurrentPage = FPages->Items(index);
  ShowPage(index);
}

void TfmMain::homeClicked() {
  TParamPage* current = Controller().CurrentPage;
  if (!current || !runWizardStep(current, [current] { current->Home(); })) return;
  Controller().NextPageClass = PageClass::TfmSelectWorkType;
  Controller().CurrentPage = FPages->Items(0);
  ShowPage(0);
}

void TfmMain::settingsClicked() {
  runWizardStep(this, [] {
    Driver().Disconnect();
    Driver().ShowProperties();
  });
}

void TfmMain::stopPages() {
  if (FPagesStopped) return;
  FPagesStopped = true;
  FPages->CloseEvent();
}

void TfmMain::EnableNext(bool value) { btnNext->setEnabled(value); }
void TfmMain::EnablePrev(bool value) { btnPrev->setEnabled(value); }
void TfmMain::EnableHome(bool value) { btnHome->setEnabled(value); }
void TfmMain::EnableSettings(bool value) { btnMenu->setEnabled(value); }

void TfmMain::PressNext() {
  if (btnNext->isEnabled()) btnNext->click();
}

void TfmMain::PressPrev() {
  if (btnPrev->isEnabled()) btnPrev->click();
}

void TfmMain::GoHome() { homeClicked(); }

TParamPage* TfmMain::FindPageByClass(PageClass pageClass) const {
  return FPages->PageByClass(pageClass);
}

TfmReasonCodes& TfmMain::ReasonCodes() { return *FReasonCodes; }

}  // namespace Enrolla
