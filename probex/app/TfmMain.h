#pragma once

#include "PageRegistry.h"
#include "ProbexPaths.h"
#include "ResultDisplay.h"
#include "TBaseForm.h"

#include <memory>
#include <vector>

class QAction;
class QLineEdit;
class QListWidget;
class QSettings;
class QSplitter;
class QVBoxLayout;
class TPage;
class TPages;
class TPasswordEdit;
class TfmTabbedPage;

// The program's shell: builds every page of the registry as tabs of its group, shows one
// group at a time, shows the result of every driver action, holds the driver password,
// keeps the fields of every page between runs and switches the interface language.
class TfmMain : public TBaseForm {
  Q_OBJECT

 public:
  TfmMain(const PageRegistry& registry, const ProbexPaths& paths, QWidget* parent = nullptr);
  // Stores the settings, destroys every page and frees the driver.
  ~TfmMain() override;

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void createForm();
  void createMenu(QVBoxLayout& layout);
  QWidget* createTopBand();
  QWidget* createMiddle();
  QWidget* createStatusPanel();

  void buildPages(const PageRegistry& registry);
  void addGroup(const PageGroup& group);
  TPage* createPage(const PageEntry& entry);
  void initializePages();

  void restoreSettings();
  // Size and position from the store; the design size, centred, without one.
  void restoreWindow(const QSettings* settings);
  void storeSettings();
  int activeTabIndex() const;

  void showGroup(int row, int tab);
  void showPage(TPage* page);
  void limitGroupListWidth();

  void actionChanged(bool Value);
  void showResultTexts();
  void refreshCaption();
  void showProperties(bool refreshPage);
  void chooseLanguage(const QString& language);
  void checkLanguageItem(const QString& language);
  void showAbout();

  ProbexPaths FPaths;
  // The language of this run; a language chosen in the menu waits for the next start.
  QString FLanguage;
  QString FChosenLanguage;
  std::unique_ptr<TPages> FPages;
  std::vector<TfmTabbedPage*> FGroups;  // one per list entry
  TPage* FCurrentPage = nullptr;
  ResultDisplay FDisplay;
  // A window with no stored position is centred once its frame is known, at first show.
  bool FCentreWhenShown = false;

  QListWidget* lbPages = nullptr;
  QWidget* pnlPages = nullptr;
  QSplitter* spMain = nullptr;
  QLineEdit* edtResult = nullptr;
  QLineEdit* edtSent = nullptr;
  QLineEdit* edtReceived = nullptr;
  QLineEdit* edtTime = nullptr;
  QLineEdit* edtOperator = nullptr;
  TPasswordEdit* edtPassword = nullptr;
  QAction* miRussian = nullptr;
  QAction* miEnglish = nullptr;
};
