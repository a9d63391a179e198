#include "framework/testing.h"

#include "framework/detail/window_impl.h"

namespace framework::testing {

QWidget* WidgetOf(const TWindow& window) {
  return window.GetImpl().widget.data();
}

QWidget* ControlOf(const TWindow& dialog, int id) {
  const auto& controls = dialog.GetImpl().controls;
  const auto found = controls.find(id);
  return found == controls.end() ? nullptr : found->second.data();
}

int CommandOf(const QAction& action) {
  const QVariant command = action.property(detail::kMenuCommandProperty);
  return command.isValid() ? command.toInt() : -1;
}

}  // namespace framework::testing
