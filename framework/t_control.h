// A control of a dialog, bound by its number to a control of the dialog's
// template. The control object is built before the dialog's window exists;
// when the dialog creates its window it finds the template's control with
// the same number and binds the two.
#pragma once

#include "framework/t_module.h"
#include "framework/t_window.h"

namespace framework {

class TControl : public TWindow {
 public:
  TControl(TWindow* parent, int resourceId, const TModule* module = nullptr);

  // Whether this class of control can stand for a template control of this kind.
  virtual bool MatchesKind(TControlKind kind) const = 0;

 protected:
  bool CreateWindowObject() override;
};

}  // namespace framework
