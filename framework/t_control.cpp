#include "framework/t_control.h"

#include <cstdio>

#include "framework/detail/window_impl.h"

namespace framework {

TControl::TControl(TWindow* parent, int resourceId, const TModule* module)
    : TWindow(parent, nullptr, module) {
  GetImpl().id = resourceId;
}

bool TControl::CreateWindowObject() {
  TWindow* parent = GetParent();
  if (parent == nullptr) {
    std::fprintf(stderr, "fotovuelo: control %d has no dialog\n", GetId());
    return false;
  }
  const auto& controls = parent->GetImpl().controls;
  const auto found = controls.find(GetId());
  if (found == controls.end() || found->second == nullptr) {
    std::fprintf(stderr, "fotovuelo: the dialog has no control %d\n", GetId());
    return false;
  }
  QWidget* widget = found->second;
  const auto kind =
      static_cast<TControlKind>(widget->property(detail::kControlKindProperty).toInt());
  if (!MatchesKind(kind)) {
    std::fprintf(stderr, "fotovuelo: control %d is not of the kind its object expects\n", GetId());
    return false;
  }
  detail::SetOwner(widget, this);
  GetImpl().widget = widget;
  return true;
}

}  // namespace framework
