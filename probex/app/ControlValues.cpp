#include "ControlValues.h"

#include "ObjectTag.h"
#include "TRadioGroup.h"

#include <QAbstractSlider>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QSettings>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTextEdit>

#include <optional>
#include <type_traits>
#include <typeinfo>

namespace {

constexpr int NotStoredTag = 1000;
constexpr qsizetype MaxTextLength = 4096;

// The first 4096 characters, without splitting a surrogate pair at the cut.
QString cutText(const QString& text) {
  if (text.size() <= MaxTextLength) return text;
  const bool splitsPair = text.at(MaxTextLength - 1).isHighSurrogate();
  return text.left(splitsPair ? MaxTextLength - 1 : MaxTextLength);
}

std::optional<bool> storedBoolean(const QVariant& value) {
  if (value.typeId() == QMetaType::Bool) return value.toBool();
  const QString text = value.toString().trimmed().toLower();
  if (text == QLatin1String("true") || text == QLatin1String("1")) return true;
  if (text == QLatin1String("false") || text == QLatin1String("0")) return false;
  return std::nullopt;
}

// An INI file reads an unquoted text with commas as a list; as a field value it is text.
std::optional<QString> storedText(const QVariant& value) {
  if (value.typeId() == QMetaType::QStringList)
    return cutText(value.toStringList().join(QStringLiteral(", ")));
  if (!value.canConvert<QString>()) return std::nullopt;
  return cutText(value.toString());
}

std::optional<QDateTime> storedDateTime(const QVariant& value) {
  const QDateTime dateTime = value.typeId() == QMetaType::QDateTime
                                 ? value.toDateTime()
                                 : QDateTime::fromString(value.toString(), Qt::ISODateWithMs);
  return dateTime.isValid() ? std::optional(dateTime) : std::nullopt;
}

// How one kind of control is kept: its value (none when the control is not kept, as a
// read-only edit is not) and how a stored value is put back.
struct ControlKind {
  bool (*matches)(const QWidget&);
  std::optional<QVariant> (*read)(const QWidget&);
  void (*write)(QWidget&, const QVariant&);
};

template <class Control>
bool is(const QWidget& widget) {
  return qobject_cast<const Control*>(&widget) != nullptr;
}

template <class Control>
Control& as(QWidget& widget) {
  return *qobject_cast<Control*>(&widget);
}

template <class Control>
const Control& as(const QWidget& widget) {
  return *qobject_cast<const Control*>(&widget);
}

template <class Value, class Set>
void setIfChanged(const std::optional<Value>& stored, const Value& current, Set set) {
  if (stored && *stored != current) set(*stored);
}

template <class Edit>
std::optional<QVariant> editableText(const QWidget& widget) {
  const auto& edit = as<Edit>(widget);
  if (edit.isReadOnly()) return std::nullopt;
  if constexpr (std::is_same_v<Edit, QLineEdit>)
    return cutText(edit.text());
  else
    return cutText(edit.toPlainText());
}

template <class Edit>
void restorePlainText(QWidget& widget, const QVariant& value) {
  auto& edit = as<Edit>(widget);
  if (edit.isReadOnly()) return;
  setIfChanged(storedText(value), edit.toPlainText(),
               [&](const QString& text) { edit.setPlainText(text); });
}

const ControlKind controlKinds[] = {
    {// An up-down position control; the scroll bars of scrolling areas are not values.
     [](const QWidget& w) { return is<QAbstractSlider>(w) && !is<QScrollBar>(w); },
     [](const QWidget& w) -> std::optional<QVariant> { return as<QAbstractSlider>(w).value(); },
     [](QWidget& w, const QVariant& v) {
       auto& slider = as<QAbstractSlider>(w);
       setIfChanged(ControlValues::integerValue(v), slider.value(),
                    [&](int n) { slider.setValue(n); });
     }},
    {is<QLineEdit>, editableText<QLineEdit>,
     [](QWidget& w, const QVariant& v) {
       auto& edit = as<QLineEdit>(w);
       if (edit.isReadOnly()) return;
       setIfChanged(storedText(v), edit.text(), [&](const QString& t) { edit.setText(t); });
     }},
    {is<QPlainTextEdit>, editableText<QPlainTextEdit>, restorePlainText<QPlainTextEdit>},
    {is<QTextEdit>, editableText<QTextEdit>, restorePlainText<QTextEdit>},
    {is<QSpinBox>,
     [](const QWidget& w) -> std::optional<QVariant> { return as<QSpinBox>(w).value(); },
     [](QWidget& w, const QVariant& v) {
       auto& spin = as<QSpinBox>(w);
       setIfChanged(ControlValues::integerValue(v), spin.value(), [&](int n) { spin.setValue(n); });
     }},
    {is<QComboBox>,
     [](const QWidget& w) -> std::optional<QVariant> { return as<QComboBox>(w).currentIndex(); },
     [](QWidget& w, const QVariant& v) {
       auto& combo = as<QComboBox>(w);
       const auto index = ControlValues::integerValue(v);
       if (!index) return;
       const QSignalBlocker quiet(combo);
       combo.setCurrentIndex(*index < 0 || *index >= combo.count() ? 0 : *index);
     }},
    {is<QCheckBox>,
     [](const QWidget& w) -> std::optional<QVariant> { return as<QCheckBox>(w).isChecked(); },
     [](QWidget& w, const QVariant& v) {
       auto& check = as<QCheckBox>(w);
       setIfChanged(storedBoolean(v), check.isChecked(), [&](bool b) { check.setChecked(b); });
     }},
    {is<QRadioButton>,
     [](const QWidget& w) -> std::optional<QVariant> { return as<QRadioButton>(w).isChecked(); },
     [](QWidget& w, const QVariant& v) {
       auto& radio = as<QRadioButton>(w);
       setIfChanged(storedBoolean(v), radio.isChecked(), [&](bool b) { radio.setChecked(b); });
     }},
    {is<TRadioGroup>,
     [](const QWidget& w) -> std::optional<QVariant> { return as<TRadioGroup>(w).ItemIndex(); },
     [](QWidget& w, const QVariant& v) {
       auto& group = as<TRadioGroup>(w);
       setIfChanged(ControlValues::integerValue(v), group.ItemIndex(),
                    [&](int n) { group.setItemIndex(n); });
     }},
    {is<QDateTimeEdit>,
     [](const QWidget& w) -> std::optional<QVariant> {
       return as<QDateTimeEdit>(w).dateTime().toString(Qt::ISODateWithMs);
     },
     [](QWidget& w, const QVariant& v) {
       auto& edit = as<QDateTimeEdit>(w);
       setIfChanged(storedDateTime(v), edit.dateTime(),
                    [&](const QDateTime& d) { edit.setDateTime(d); });
     }},
};

const ControlKind* kindOf(const QWidget& widget) {
  for (const ControlKind& kind : controlKinds)
    if (kind.matches(widget)) return &kind;
  return nullptr;
}

bool addsToChain(const QString& name) {
  return !name.isEmpty() && !name.startsWith(QLatin1String("qt_"));
}

// Visits every kept control below the widget with its value name.
template <class Visit>
void walk(QWidget& widget, const QString& chain, const Visit& visit) {
  for (QObject* child : widget.children()) {
    auto* control = qobject_cast<QWidget*>(child);
    if (!control || control->isWindow() || tagOf(control) == NotStoredTag) continue;
    const QString name = control->objectName();
    const QString childChain = addsToChain(name) ? chain + QLatin1Char('.') + name : chain;
    if (const ControlKind* kind = kindOf(*control)) {
      if (addsToChain(name)) visit(*control, *kind, childChain);
    } else {
      walk(*control, childChain, visit);
    }
  }
}

}  // namespace

namespace ControlValues {

std::optional<int> integerValue(const QVariant& value) {
  if (value.typeId() == QMetaType::Int) return value.toInt();
  bool ok = false;
  const int number = value.toString().trimmed().toInt(&ok);
  return ok ? std::optional(number) : std::nullopt;
}

void store(QWidget& form, QSettings& settings) {
  walk(form, form.objectName(), [&](QWidget& control, const ControlKind& kind, const QString& key) {
    if (const auto value = kind.read(control)) settings.setValue(key, *value);
  });
}

void restore(QWidget& form, const QSettings& settings) {
  walk(form, form.objectName(), [&](QWidget& control, const ControlKind& kind, const QString& key) {
    const QVariant value = settings.value(key);
    if (value.isValid()) kind.write(control, value);
  });
}

void resetComboBoxes(QWidget& form) {
  for (QComboBox* combo : form.findChildren<QComboBox*>()) {
    const QComboBox& box = *combo;
    if (typeid(box) != typeid(QComboBox)) continue;
    const QSignalBlocker quiet(combo);
    combo->setCurrentIndex(0);
  }
}

}  // namespace ControlValues
