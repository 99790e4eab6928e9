#pragma once

#include "IWizardWindow.h"

#include <QWidget>

#include <functional>
#include <memory>
#include <vector>

class QLabel;
class QPushButton;
class QStackedLayout;

namespace Enrolla {

class TParamPage;
class TParamPages;

using PageFactory = std::function<std::unique_ptr<TParamPage>()>;

// The wizard's window: one page at a time under its caption, and the buttons that move
// between pages. A page's "Далее >" names the following page's class in the controller;
// the window finds that page in its list and shows it.
class TfmMain : public QWidget, public IWizardWindow {
  Q_OBJECT

 public:
  // Creates the pages in the order given; the first is where the wizard starts and
  // returns. X5 mode follows the program folder.
  TfmMain(const std::vector<PageFactory>& pages, const QString& programFolder,
          QWidget* parent = nullptr);
  // Stops the pages' background work, frees the driver, then destroys the pages.
  ~TfmMain() override;

  // Shows the page at the index (nothing for an index outside the list) with every
  // button enabled but "< Назад" on the first page. A page shown already is not shown
  // again, and its show handler does not run.
  void ShowPage(int index);

  void EnableNext(bool value) override;
  void EnablePrev(bool value) override;
  void EnableHome(bool value) override;
  void EnableSettings(bool value) override;
  void PressNext() override;
  void PressPrev() override;
  void GoHome() override;
  TParamPage* FindPageByClass(PageClass pageClass) const override;
  TfmReasonCodes& ReasonCodes() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QWidget* createTopBand();
  QWidget* createSite();
  QWidget* createBottomBand();
  QPushButton* createImageButton(const QString& name, const QIcon& icon, const QString& hint);
  void placeBottomButtons();
  void AddPage(const PageFactory& factory);

  void nextClicked();
  void prevClicked();
  void homeClicked();
  void settingsClicked();
  void showCurrentPage(int index);
  void stopPages();

  std::unique_ptr<TParamPages> FPages;
  int FIndex = -1;
  bool FShownBefore = false;
  bool FPagesStopped = false;

  QLabel* pnlTop = nullptr;
  QWidget* pnlSite = nullptr;
  QStackedLayout* siteLayout = nullptr;
  QWidget* pnlBottom = nullptr;
  QPushButton* btnHome = nullptr;
  QWidget* pnlButtons = nullptr;
  QPushButton* btnPrev = nullptr;
  QPushButton* btnNext = nullptr;
  QPushButton* btnMenu = nullptr;
  TfmReasonCodes* FReasonCodes = nullptr;
};

}  // namespace Enrolla
