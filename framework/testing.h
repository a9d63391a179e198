// For tests that drive a program's windows as a person would: the widgets
// behind framework objects. Programs never include this; tests link Qt.
#pragma once

#include <QAction>
#include <QWidget>

#include "framework/t_window.h"

namespace framework::testing {

// The widget of a window, or null when it has none.
QWidget* WidgetOf(const TWindow& window);
// The widget of a dialog's template control by number, or null.
QWidget* ControlOf(const TWindow& dialog, int id);
// The command a menu item sends, or -1 for items that send none.
int CommandOf(const QAction& action);

}  // namespace framework::testing
