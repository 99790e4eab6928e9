#include "DriverBusyGate.h"
#include "MainWindowFixture.h"
#include "ProgramVersion.h"
#include "QtPrinters.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QScreen>
#include <QSplitter>

#include <functional>

namespace {

const QString PasswordKey = QStringLiteral("fmMain.pnlMain.pnlInfo.edtPassword");

class TfmMainTest : public MainWindowFixture {};

TEST_F(TfmMainTest, FirstRunShowsTheFirstGroupOnItsFirstTabAtDesignSizeCentred) {
  TfmMain& main = start();
  ASSERT_TRUE(showActive(main));
  EXPECT_EQ(groupList()->count(), 2) << "a group without pages is not listed";
  EXPECT_EQ(groupList()->item(0)->text(), "  01. Состояние");
  EXPECT_EQ(groupList()->item(1)->text(), "  03. Чеки (ФФД 1.0)");
  EXPECT_EQ(groupList()->currentRow(), 0);
  EXPECT_TRUE(group(1)->isVisible());
  EXPECT_FALSE(group(3)->isVisible());
  EXPECT_EQ(group(1)->tabs()->currentIndex(), 0);
  EXPECT_EQ(group(1)->tabs()->tabText(1), "Полное состояние");
  for (const char* name : {"fmStatus", "fmFullStatus", "fmReceipt"})
    EXPECT_EQ(page(name)->cbMode->currentIndex(), 0) << name;
  EXPECT_EQ(find(QStringLiteral("pnlMain"))->size(), QSize(745, 510));
  const QPoint screenCentre = main.screen()->availableGeometry().center();
  EXPECT_LE((main.frameGeometry().center() - screenCentre).manhattanLength(), 2);
  EXPECT_EQ(log, QStringList({"Initialize fmStatus", "Initialize fmFullStatus",
                              "Initialize fmReceipt", "UpdatePage fmStatus"}));
  EXPECT_TRUE(errors.messages.isEmpty());
}

TEST_F(TfmMainTest, AStoredGroupOutsideTheListOrOfTheWrongTypeShowsTheFirstGroup) {
  struct Case {
    QVariant pageIndex;
    int row;
  };
  const Case cases[] = {{1, 1}, {12, 0}, {2, 0}, {-1, 0}, {"два", 0}, {"99999999999", 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.pageIndex.toString().toStdString());
    profile.store(QStringLiteral("PageIndex"), c.pageIndex);
    start();
    EXPECT_EQ(groupList()->currentRow(), c.row);
    EXPECT_EQ(group(c.row == 0 ? 1 : 3)->isVisibleTo(window.get()), true);
    stop();
  }
}

TEST_F(TfmMainTest, AStoredTabBeyondTheGroupLeavesTheFirstTabAndOnlyTheShownPageIsRefreshed) {
  struct Case {
    QVariant tabIndex;
    int tab;
    QString refreshed;
  };
  const Case cases[] = {{1, 1, "UpdatePage fmFullStatus"},
                        {2, 0, "UpdatePage fmStatus"},
                        {-1, 0, "UpdatePage fmStatus"},
                        {"первая", 0, "UpdatePage fmStatus"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.tabIndex.toString().toStdString());
    profile.store(QStringLiteral("PageIndex"), 0);
    profile.store(QStringLiteral("TabIndex"), c.tabIndex);
    start();
    EXPECT_EQ(group(1)->tabs()->currentIndex(), c.tab);
    EXPECT_EQ(log.filter(QStringLiteral("Update")), QStringList{c.refreshed});
    stop();
    log.clear();
  }
}

TEST_F(TfmMainTest, FieldsGroupTabAndWindowComeBackAtTheNextStart) {
  start();
  page(QStringLiteral("fmReceipt"))->edtText->setText(QStringLiteral("Молоко"));
  page(QStringLiteral("fmReceipt"))->cbMode->setCurrentIndex(1);
  groupList()->setCurrentRow(1);
  window->setGeometry(40, 50, 700, 500);
  stop();

  const auto stored = profile.settings();
  EXPECT_EQ(
      stored->value("fmMain.pnlMain.spMain.pnlPages.fmGroup03.pcPages.tsPage1.fmReceipt.edtText"),
      "Молоко");
  EXPECT_EQ(stored->value("PageIndex").toInt(), 1);
  EXPECT_EQ(stored->value("TabIndex").toInt(), 0);
  EXPECT_EQ(stored->value("MPWidth").toInt(), 700);
  EXPECT_EQ(stored->value("MPHeigth").toInt(), 500);

  start();
  EXPECT_EQ(page(QStringLiteral("fmReceipt"))->edtText->text(), "Молоко");
  EXPECT_EQ(page(QStringLiteral("fmReceipt"))->cbMode->currentIndex(), 1);
  EXPECT_EQ(groupList()->currentRow(), 1);
  EXPECT_EQ(window->size(), QSize(700, 500));
  EXPECT_EQ(window->pos(), QPoint(40, 50));
}

TEST_F(TfmMainTest, ThePasswordStoredAtExitIsTheDriversPasswordAtTheNextStart) {
  start();
  auto* password = find<QLineEdit>(QStringLiteral("edtPassword"));
  EXPECT_EQ(password->text(), "0");
  password->clear();
  QTest::keyClicks(password, QStringLiteral("3x0.-"));
  EXPECT_EQ(password->text(), "30") << "only digits are typed into the box";
  EXPECT_EQ(recorder().writes().filter(QStringLiteral("Password")),
            QStringList({"Password=3", "Password=30"}));
  stop();
  EXPECT_EQ(profile.settings()->value(PasswordKey), "30");

  start();
  EXPECT_TRUE(recorder().writes().contains("Password=30"));
  EXPECT_EQ(find<QLineEdit>(QStringLiteral("edtPassword"))->text(), "30");
  EXPECT_TRUE(errors.messages.isEmpty());
}

TEST_F(TfmMainTest, LeavingThePasswordBoxShowsWhatTheDriverHolds) {
  recorder().preset("Password", 30);
  TfmMain& main = start();
  ASSERT_TRUE(showActive(main));
  auto* password = find<QLineEdit>(QStringLiteral("edtPassword"));
  password->setFocus();
  password->clear();
  EXPECT_FALSE(recorder().writes().contains("Password=0"));
  page(QStringLiteral("fmStatus"))->edtText->setFocus();
  EXPECT_EQ(password->text(), "30");
  EXPECT_TRUE(errors.messages.isEmpty()) << "an emptied box is not an error";
}

// Every way a text can be pasted into the password box.
struct PasteRoute {
  const char* name;
  std::function<void(QLineEdit&, const QString&)> paste;
};

const PasteRoute pasteRoutes[] = {
    {"Ctrl+V",
     [](QLineEdit& box, const QString& text) {
       QApplication::clipboard()->setText(text);
       QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier);
     }},
    {"Shift+Insert",
     [](QLineEdit& box, const QString& text) {
       QApplication::clipboard()->setText(text);
       QTest::keyClick(&box, Qt::Key_Insert, Qt::ShiftModifier);
     }},
    {"context menu",
     [](QLineEdit& box, const QString& text) {
       QApplication::clipboard()->setText(text);
       QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5),
                               box.mapToGlobal(QPoint(5, 5)));
       QApplication::sendEvent(&box, &event);
       QWidget* menu = QApplication::activePopupWidget();
       ASSERT_TRUE(menu);
       auto* paste = menu->findChild<QAction*>(QStringLiteral("edit-paste"));
       ASSERT_TRUE(paste);
       paste->setEnabled(true);
       paste->trigger();
       menu->close();
     }},
    {"drop",
     [](QLineEdit& box, const QString& text) {
       QMimeData data;
       data.setText(text);
       const QPoint end(box.width() - 4, box.height() / 2);  // after the text
       QDragEnterEvent enter(end, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
       QApplication::sendEvent(&box, &enter);
       QDropEvent drop(end, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
       QApplication::sendEvent(&box, &drop);
     }},
};

TEST_F(TfmMainTest, PastingIntoThePasswordBoxIsCheckedFirstWhicheverWayItComes) {
  struct Case {
    QString pasted;
    QString message;
    QString text;
  };
  const Case cases[] = {
      {QString(2000, QLatin1Char('1')), "Некорректное значение в поле \"Password\"", "5"},
      {"12ab", "\"12ab\" не является целым числом", "5"},
      {"99999999999", "\"99999999999\" не является целым числом", "5"},
      {"77", {}, "577"},
  };
  recorder().preset("Password", 5);
  TfmMain& main = start();
  ASSERT_TRUE(showActive(main));
  auto* password = find<QLineEdit>(QStringLiteral("edtPassword"));
  password->setFocus();
  for (const PasteRoute& route : pasteRoutes) {
    for (const Case& c : cases) {
      SCOPED_TRACE(route.name + (": " + c.pasted.left(20).toStdString()));
      errors.messages.clear();
      password->setText(QStringLiteral("5"));
      password->end(false);
      recorder().clearJournal();
      route.paste(*password, c.pasted);
      EXPECT_EQ(password->text(), c.text);
      EXPECT_EQ(errors.messages, c.message.isEmpty() ? QStringList() : QStringList{c.message});
      EXPECT_EQ(recorder().writes().filter("Password"),
                c.message.isEmpty() ? QStringList{"Password=577"} : QStringList());
    }
  }
}

TEST_F(TfmMainTest, DamagedStoredValuesNeverStopTheStart) {
  profile.store(QStringLiteral("PageIndex"), QString(100000, QLatin1Char('9')));
  profile.store(QStringLiteral("TabIndex"), QStringLiteral("вторая"));
  profile.store(QStringLiteral("MPWidth"), 100000);
  profile.store(QStringLiteral("MPHeigth"), -40);
  profile.store(QStringLiteral("MPTop"), QStringLiteral("верх"));
  profile.store(PasswordKey, QString(100000, QLatin1Char('7')));
  recorder().preset("Password", 30);
  TfmMain& main = start();
  EXPECT_EQ(groupList()->currentRow(), 0);
  EXPECT_EQ(group(1)->tabs()->currentIndex(), 0);
  const QRect screen = main.screen()->availableGeometry();
  EXPECT_LE(main.width(), screen.width());
  EXPECT_GE(main.height(), main.minimumSizeHint().height());
  EXPECT_EQ(errors.messages,
            QStringList{"\"" + QString(100, QLatin1Char('7')) + "\" не является целым числом"})
      << "the box takes 100 characters, which are not a password";
  EXPECT_TRUE(recorder().writes().filter("Password").isEmpty());
  EXPECT_EQ(find<QLineEdit>(QStringLiteral("edtPassword"))->text(), "30");
}

TEST_F(TfmMainTest, TheCaptionNamesTheConnection) {
  recorder()
      .preset("ConnectionType", 6)
      .preset("IPAddress", QStringLiteral("192.168.0.5"))
      .preset("TCPPort", 7778);
  start();
  EXPECT_EQ(window->windowTitle(), defaultCaption() + " [TCP: 192.168.0.5: 7778]");
  EXPECT_TRUE(defaultCaption().startsWith("Probex 1.0.0.1 ("));
  EXPECT_TRUE(defaultCaption().endsWith(sizeof(void*) == 8 ? " (64-bit)" : " (32-bit)"));
}

TEST_F(TfmMainTest, AnActionClearsTheResultFieldsThenShowsItsResultAndRefreshesTheCaption) {
  start();
  HookedPage* status = page(QStringLiteral("fmStatus"));
  auto* result = find<QLineEdit>(QStringLiteral("edtResult"));
  auto* time = find<QLineEdit>(QStringLiteral("edtTime"));
  result->setText(QStringLiteral("старый результат"));
  QString resultWhileRunning = QStringLiteral("не запускалось");
  status->action = [&] {
    resultWhileRunning = result->text();
    recorder().preset("ConnectionType", 0).preset("ComNumber", 3).preset("BaudRate", 6);
    Driver().setStringForPrinting(QStringLiteral("Проверка"));
    Driver().PrintString();
  };
  recorder().preset("ECRInput", QStringLiteral("02 05 17")).preset("OperatorNumber", 30);
  QTest::mouseClick(status->btnRun, Qt::LeftButton);
  EXPECT_EQ(resultWhileRunning, "");
  EXPECT_EQ(result->text(), "(0) Ошибок нет");
  EXPECT_EQ(find<QLineEdit>(QStringLiteral("edtSent"))->text(), "02 05 17");
  EXPECT_EQ(find<QLineEdit>(QStringLiteral("edtOperator"))->text(), "30");
  EXPECT_TRUE(time->text().endsWith(" мс"));
  EXPECT_EQ(window->windowTitle(), defaultCaption() + " [Serial: COM3 Baudrate 115200]");
}

TEST_F(TfmMainTest, PropertiesAreRefusedWhileAWorkerHoldsTheDriverAndRefreshThePageOtherwise) {
  start();
  recorder().clearJournal();
  log.clear();
  auto* properties = find<QPushButton>(QStringLiteral("btnProperties"));
  {
    const DriverBusyGate::Holder worker(QStringLiteral("Проверка связи"));
    QTest::mouseClick(properties, Qt::LeftButton);
  }
  EXPECT_EQ(errors.messages, QStringList{DriverBusyGate::busyMessage("Проверка связи")});
  EXPECT_EQ(recorder().callCount("ShowProperties"), 0);

  recorder().on("ShowProperties").does([](RecordingDriver& r) { r.preset("Password", 29); });
  QTest::mouseClick(properties, Qt::LeftButton);
  EXPECT_EQ(recorder().callCount("ShowProperties"), 1);
  EXPECT_EQ(find<QLineEdit>(QStringLiteral("edtPassword"))->text(), "29");
  EXPECT_EQ(log, QStringList{"UpdatePage fmStatus"});
  EXPECT_TRUE(properties->isEnabled());
}

TEST_F(TfmMainTest, ChoosingAGroupLeavesTheShownPageAndShowsTheNewOne) {
  start();
  log.clear();
  groupList()->setCurrentRow(1);
  EXPECT_EQ(log, QStringList({"UpdateObject fmStatus", "UpdatePage fmReceipt"}));
  EXPECT_TRUE(group(3)->isVisibleTo(window.get()));
  EXPECT_FALSE(group(1)->isVisibleTo(window.get()));
}

TEST_F(TfmMainTest, TheGroupListNeverGrowsBeyondTwoHundredPixelsNorSqueezesThePage) {
  TfmMain& main = start();
  ASSERT_TRUE(showActive(main));
  auto* splitter = find<QSplitter>(QStringLiteral("spMain"));
  splitter->setSizes({400, 345});
  EXPECT_EQ(groupList()->width(), 200);
  const int pageMinimum = group(1)->minimumSizeHint().width();
  main.resize(main.minimumSizeHint().width(), main.height());
  const int listLimit = groupList()->maximumWidth();
  EXPECT_TRUE(listLimit == 14 || listLimit + pageMinimum + 20 <= main.width())
      << listLimit << " + " << pageMinimum << " in " << main.width();
  EXPECT_LT(listLimit, 200);
}

TEST_F(TfmMainTest, ADriverThatCannotBeCreatedIsReportedOnceAndTheWindowStillOpens) {
  FreeDriver();
  const auto previous = setDriverControlFactory([] { return std::unique_ptr<IFerox>(); });
  start();
  setDriverControlFactory(previous);
  EXPECT_EQ(window->windowTitle(), defaultCaption());
  ASSERT_EQ(errors.messages.size(), 1);
  EXPECT_TRUE(errors.messages[0].startsWith("Ошибка создания объекта драйвера: "));
}

TEST_F(TfmMainTest, ASettingsStoreThatCannotBeWrittenIsReportedAtExit) {
  start();
  const QString file = profile.settings()->fileName();
  QDir().mkpath(file);  // a folder where the file should be
  stop();
  EXPECT_EQ(errors.messages,
            QStringList{QStringLiteral("Не удалось сохранить настройки в \"%1\"").arg(file)});
}

}  // namespace
