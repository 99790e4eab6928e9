#include "ControlValues.h"
#include "ObjectTag.h"
#include "QtPrinters.h"
#include "TRadioGroup.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QDoubleSpinBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSettings>
#include <QSignalSpy>
#include <QSlider>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <functional>

namespace {

template <class Control>
Control* add(QWidget* parent, const QString& name) {
  auto* control = new Control(parent);
  control->setObjectName(name);
  parent->layout()->addWidget(control);
  return control;
}

class DerivedComboBox : public QComboBox {
 public:
  using QComboBox::QComboBox;
};

// A form with one control of every kept kind, some inside a named panel and an unnamed
// one, plus what is not kept: a read-only edit, an unnamed edit, a double spin box, and
// a panel tagged 1000.
struct KindsForm {
  KindsForm() {
    form.setObjectName(QStringLiteral("fmKinds"));
    new QVBoxLayout(&form);
    auto* panel = add<QGroupBox>(&form, QStringLiteral("gbMain"));
    new QVBoxLayout(panel);
    auto* unnamed = add<QWidget>(panel, QString());
    new QVBoxLayout(unnamed);
    slider = add<QSlider>(panel, QStringLiteral("tbLevel"));
    slider->setRange(0, 100);
    edit = add<QLineEdit>(unnamed, QStringLiteral("edtName"));
    readOnly = add<QLineEdit>(panel, QStringLiteral("edtResult"));
    readOnly->setReadOnly(true);
    readOnly->setText(QStringLiteral("результат"));
    nameless = add<QLineEdit>(panel, QString());
    memo = add<QPlainTextEdit>(&form, QStringLiteral("memLines"));
    rich = add<QTextEdit>(&form, QStringLiteral("memRich"));
    spin = add<QSpinBox>(&form, QStringLiteral("seCount"));
    spin->setRange(0, 1000);
    money = add<QDoubleSpinBox>(&form, QStringLiteral("seMoney"));
    combo = add<QComboBox>(&form, QStringLiteral("cbMode"));
    combo->addItems({QStringLiteral("а"), QStringLiteral("б"), QStringLiteral("в")});
    check = add<QCheckBox>(&form, QStringLiteral("chbCut"));
    radioA = add<QRadioButton>(&form, QStringLiteral("rbFirst"));
    radioB = add<QRadioButton>(&form, QStringLiteral("rbSecond"));
    radioA->setChecked(true);
    group = new TRadioGroup(QStringLiteral("Шрифт"), {"1", "2", "3"}, &form);
    group->setObjectName(QStringLiteral("rgFont"));
    form.layout()->addWidget(group);
    dateTime = add<QDateTimeEdit>(&form, QStringLiteral("dtpWhen"));
    hidden = add<QGroupBox>(&form, QStringLiteral("gbHidden"));
    new QVBoxLayout(hidden);
    setTag(hidden, 1000);
    hiddenEdit = add<QLineEdit>(hidden, QStringLiteral("edtSecret"));
  }

  QWidget form;
  QSlider* slider;
  QLineEdit* edit;
  QLineEdit* readOnly;
  QLineEdit* nameless;
  QPlainTextEdit* memo;
  QTextEdit* rich;
  QSpinBox* spin;
  QDoubleSpinBox* money;
  QComboBox* combo;
  QCheckBox* check;
  QRadioButton* radioA;
  QRadioButton* radioB;
  TRadioGroup* group;
  QDateTimeEdit* dateTime;
  QGroupBox* hidden;
  QLineEdit* hiddenEdit;
};

class ControlValuesTest : public ::testing::Test {
 protected:
  QTemporaryDir folder;
  QSettings settings{folder.filePath(QStringLiteral("Param.ini")), QSettings::IniFormat};
  KindsForm kinds;
};

TEST_F(ControlValuesTest, EveryKeptControlIsStoredUnderItsChainOfNames) {
  kinds.slider->setValue(40);
  kinds.edit->setText(QStringLiteral("Иванов"));
  kinds.memo->setPlainText(QStringLiteral("строка 1\nстрока 2"));
  kinds.rich->setPlainText(QStringLiteral("текст"));
  kinds.spin->setValue(7);
  kinds.combo->setCurrentIndex(2);
  kinds.check->setChecked(true);
  kinds.radioB->setChecked(true);
  kinds.group->setItemIndex(1);
  kinds.dateTime->setDateTime(QDateTime(QDate(2024, 3, 5), QTime(10, 20, 30, 400)));
  kinds.hiddenEdit->setText(QStringLiteral("тайна"));

  ControlValues::store(kinds.form, settings);

  const QStringList expectedKeys = {
      "fmKinds.cbMode",         "fmKinds.chbCut",   "fmKinds.dtpWhen", "fmKinds.gbMain.edtName",
      "fmKinds.gbMain.tbLevel", "fmKinds.memLines", "fmKinds.memRich", "fmKinds.rbFirst",
      "fmKinds.rbSecond",       "fmKinds.rgFont",   "fmKinds.seCount"};
  QStringList keys = settings.allKeys();
  keys.sort();
  EXPECT_EQ(keys, expectedKeys);
  settings.sync();
  const QSettings reread(settings.fileName(), QSettings::IniFormat);
  EXPECT_EQ(reread.value("fmKinds.gbMain.tbLevel").toInt(), 40);
  EXPECT_EQ(reread.value("fmKinds.gbMain.edtName").toString(), "Иванов");
  EXPECT_EQ(reread.value("fmKinds.memLines").toString(), "строка 1\nстрока 2");
  EXPECT_EQ(reread.value("fmKinds.seCount").toInt(), 7);
  EXPECT_EQ(reread.value("fmKinds.cbMode").toInt(), 2);
  EXPECT_EQ(reread.value("fmKinds.chbCut").toString(), "true");
  EXPECT_EQ(reread.value("fmKinds.rbFirst").toString(), "false");
  EXPECT_EQ(reread.value("fmKinds.rgFont").toInt(), 1);
  EXPECT_EQ(reread.value("fmKinds.dtpWhen").toString(), "2024-03-05T10:20:30.400");
}

TEST_F(ControlValuesTest, LongTextsAreCutToTheirFirst4096Characters) {
  struct Case {
    QString text;
    qsizetype kept;
  };
  const QString emoji = QStringLiteral("😀");
  const Case cases[] = {{QString(4096, QLatin1Char('a')), 4096},
                        {QString(5000, QLatin1Char('a')), 4096},
                        {QString(4095, QLatin1Char('a')) + emoji, 4095}};
  for (const Case& c : cases) {
    kinds.memo->setPlainText(c.text);
    ControlValues::store(kinds.form, settings);
    EXPECT_EQ(settings.value("fmKinds.memLines").toString(), c.text.left(c.kept));
  }
}

TEST_F(ControlValuesTest, RestoringSetsEachKindAndRunsItsChangeSignalOnlyWhenTheValueChanges) {
  QSignalSpy editChanged(kinds.edit, &QLineEdit::textChanged);
  QSignalSpy spinChanged(kinds.spin, &QSpinBox::valueChanged);
  QSignalSpy checkToggled(kinds.check, &QCheckBox::toggled);
  QSignalSpy comboChanged(kinds.combo, &QComboBox::currentIndexChanged);
  QSignalSpy groupChanged(kinds.group, &TRadioGroup::itemIndexChanged);
  settings.setValue("fmKinds.gbMain.tbLevel", 55);
  settings.setValue("fmKinds.gbMain.edtName", "Петров");
  settings.setValue("fmKinds.gbMain.edtResult", "чужое");
  settings.setValue("fmKinds.memLines", "a, b");
  settings.setValue("fmKinds.memRich", "текст");
  settings.setValue("fmKinds.seCount", 12);
  settings.setValue("fmKinds.cbMode", 1);
  settings.setValue("fmKinds.chbCut", true);
  settings.setValue("fmKinds.rbSecond", true);
  settings.setValue("fmKinds.rgFont", 2);
  settings.setValue("fmKinds.dtpWhen", "2025-01-02T03:04:05.006");
  settings.setValue("fmKinds.gbHidden.edtSecret", "тайна");
  settings.sync();

  const QSettings stored(settings.fileName(), QSettings::IniFormat);
  ControlValues::restore(kinds.form, stored);
  ControlValues::restore(kinds.form, stored);

  EXPECT_EQ(kinds.slider->value(), 55);
  EXPECT_EQ(kinds.edit->text(), "Петров");
  EXPECT_EQ(kinds.readOnly->text(), "результат");
  EXPECT_EQ(kinds.memo->toPlainText(), "a, b");
  EXPECT_EQ(kinds.rich->toPlainText(), "текст");
  EXPECT_EQ(kinds.spin->value(), 12);
  EXPECT_EQ(kinds.combo->currentIndex(), 1);
  EXPECT_TRUE(kinds.check->isChecked());
  EXPECT_TRUE(kinds.radioB->isChecked());
  EXPECT_FALSE(kinds.radioA->isChecked());
  EXPECT_EQ(kinds.group->ItemIndex(), 2);
  EXPECT_EQ(kinds.dateTime->dateTime(), QDateTime(QDate(2025, 1, 2), QTime(3, 4, 5, 6)));
  EXPECT_EQ(kinds.hiddenEdit->text(), "") << "a control tagged 1000 is skipped with its children";
  EXPECT_EQ(editChanged.count(), 1);
  EXPECT_EQ(spinChanged.count(), 1);
  EXPECT_EQ(checkToggled.count(), 1);
  EXPECT_EQ(groupChanged.count(), 1);
  EXPECT_EQ(comboChanged.count(), 0) << "a combo box is restored without its handler";
}

TEST_F(ControlValuesTest, ValuesOfTheWrongTypeOrOutOfRangeFallBack) {
  struct Case {
    const char* key;
    QVariant stored;
    std::function<QVariant()> current;
    QVariant expected;
  };
  kinds.spin->setValue(5);
  kinds.combo->setCurrentIndex(2);
  kinds.slider->setValue(30);
  kinds.check->setChecked(true);
  kinds.group->setItemIndex(1);
  const QDateTime when(QDate(2024, 1, 1), QTime(12, 0));
  kinds.dateTime->setDateTime(when);
  const auto spin = [&] { return QVariant(kinds.spin->value()); };
  const auto combo = [&] { return QVariant(kinds.combo->currentIndex()); };
  const auto slider = [&] { return QVariant(kinds.slider->value()); };
  const auto check = [&] { return QVariant(kinds.check->isChecked()); };
  const auto group = [&] { return QVariant(kinds.group->ItemIndex()); };
  const auto dateTime = [&] { return QVariant(kinds.dateTime->dateTime()); };
  const auto edit = [&] { return QVariant(kinds.edit->text().size()); };
  const Case cases[] = {
      {"fmKinds.seCount", "пять", spin, 5},
      {"fmKinds.seCount", "99999999999", spin, 5},
      {"fmKinds.seCount", "2.5", spin, 5},
      {"fmKinds.seCount", 5000, spin, 1000},
      {"fmKinds.cbMode", "много", combo, 2},
      {"fmKinds.cbMode", 7, combo, 0},
      {"fmKinds.cbMode", 1, combo, 1},
      {"fmKinds.cbMode", -3, combo, 0},
      {"fmKinds.gbMain.tbLevel", "много", slider, 30},
      {"fmKinds.chbCut", "может быть", check, true},
      {"fmKinds.chbCut", "0", check, false},
      {"fmKinds.rgFont", 9, group, 1},
      {"fmKinds.rgFont", "второй", group, 1},
      {"fmKinds.dtpWhen", "вчера", dateTime, when},
      {"fmKinds.gbMain.edtName", QString(100000, QLatin1Char('x')), edit, 4096},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.key) + " = " + c.stored.toString().left(20).toStdString());
    settings.clear();
    settings.setValue(c.key, c.stored);
    settings.sync();
    const QSettings stored(settings.fileName(), QSettings::IniFormat);
    ControlValues::restore(kinds.form, stored);
    EXPECT_EQ(c.current(), c.expected);
  }
}

TEST_F(ControlValuesTest, EveryPlainComboBoxStartsFromItsFirstEntryWithoutItsHandler) {
  auto* derived = add<DerivedComboBox>(&kinds.form, QStringLiteral("cbDerived"));
  derived->addItems({"x", "y"});
  derived->setCurrentIndex(1);
  kinds.combo->setCurrentIndex(2);
  auto* inHidden = add<QComboBox>(kinds.hidden, QStringLiteral("cbHidden"));
  inHidden->addItems({"x", "y"});
  inHidden->setCurrentIndex(1);
  QSignalSpy changed(kinds.combo, &QComboBox::currentIndexChanged);

  ControlValues::resetComboBoxes(kinds.form);

  EXPECT_EQ(kinds.combo->currentIndex(), 0);
  EXPECT_EQ(inHidden->currentIndex(), 0);
  EXPECT_EQ(derived->currentIndex(), 1) << "only plain combo boxes are reset";
  EXPECT_EQ(changed.count(), 0);
}

}  // namespace
