#pragma once

#include <optional>

class QSettings;
class QVariant;
class QWidget;

// Keeps the values of a form's controls in the settings store between runs, one value
// per control, named by the chain of object names from the form down to the control,
// joined by points ("fmMain.pnlMain.pnlInfo.edtPassword"). Controls are walked depth
// first; a control tagged 1000 is skipped together with everything inside it, and so
// are windows of their own. Containers without a name, or with one of Qt's internal
// "qt_" names, add nothing to the chain; a value control without a name of its own is
// not kept, since its value could not be told apart from its neighbours'.
//
// | control                                  | kept as                 |
// |------------------------------------------|-------------------------|
// | slider or dial (up-down position)        | integer                 |
// | line edit, not read-only                 | text, first 4096 chars  |
// | plain or rich text edit, not read-only   | text, first 4096 chars  |
// | spin box                                 | integer                 |
// | combo box                                | integer (selected index)|
// | check box, radio button                  | boolean                 |
// | radio group (TRadioGroup)                | integer (selected index)|
// | date and time edit                       | ISO date and time       |
//
// Restoring sets only what differs from the control's current value, so the control's
// change signals run as if the user had made the change; a combo box is the exception
// and is restored without signals. A missing value, a value of the wrong type, or a
// number out of the int range leaves the control as it is; a combo box index outside
// its items becomes 0.
namespace ControlValues {

// A stored integer; none for a value of another type or outside the int range.
std::optional<int> integerValue(const QVariant& value);

void store(QWidget& form, QSettings& settings);
void restore(QWidget& form, const QSettings& settings);

// Selects the first entry of every plain combo box of the form, at any depth, without
// signals: the state every combo box starts from before values are restored.
void resetComboBoxes(QWidget& form);

}  // namespace ControlValues
