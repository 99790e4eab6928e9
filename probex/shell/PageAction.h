#pragma once

#include <functional>

class TBaseForm;

// The one cycle every page button runs its driver action through, so that no step can
// be forgotten:
//  1. refused, with the busy message, while a worker holds the driver (DriverBusyGate);
//  2. the form's buttons are disabled (a page tells the notifier first);
//  3. the action runs: fields in, properties set, calls, outputs back;
//  4. the buttons are enabled again and the focus returns, whatever happened;
//  5. a failure other than the silent abort is shown by the top-level error handler.
// Pages never catch driver errors themselves; nothing escapes this function.
void runAction(TBaseForm& form, const std::function<void()>& action);
