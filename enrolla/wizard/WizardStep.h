#pragma once

#include <functional>

class QWidget;

namespace Enrolla {

// Runs one step of the wizard (a page's show handler, "Далее >", "< Назад", the home
// button, a page's own button, the driver settings) and ends every step alike: the
// message of an error the step throws is shown in the error box (a silent abort shows
// nothing), and the driver is disconnected, also after a failure, so that the register's
// port is never held between steps. Returns whether the step succeeded.
bool runWizardStep(QWidget* form, const std::function<void()>& step);

}  // namespace Enrolla
