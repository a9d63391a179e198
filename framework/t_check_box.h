// Check boxes and radio buttons, two-state. In a transfer buffer each takes
// an unsigned 32-bit field holding BF_UNCHECKED or BF_CHECKED.
#pragma once

#include <cstdint>

#include "framework/t_control.h"

namespace framework {

class TCheckBox : public TControl {
 public:
  TCheckBox(TWindow* parent, int resourceId, const TModule* module = nullptr);
  bool MatchesKind(TControlKind kind) const override { return kind == TControlKind::CheckBox; }

  std::uint32_t GetCheck() const;
  // Any state other than BF_UNCHECKED checks the button. Setting a state
  // touches only this button, as clicking does not.
  void SetCheck(std::uint32_t state);
  void Check() { SetCheck(BF_CHECKED); }
  void Uncheck() { SetCheck(BF_UNCHECKED); }
  void Toggle() { SetCheck(GetCheck() == BF_CHECKED ? BF_UNCHECKED : BF_CHECKED); }

  std::size_t TransferSize() const override { return sizeof(std::uint32_t); }
  std::size_t Transfer(void* buffer, std::size_t size, TTransferDirection direction) override;
  using TWindow::Transfer;
};

// An automatic radio button clears the other radio buttons of its group when
// the user chooses it; a group runs from a template control marked as a group
// start to the next one.
class TRadioButton : public TCheckBox {
 public:
  TRadioButton(TWindow* parent, int resourceId, const TModule* module = nullptr);
  bool MatchesKind(TControlKind kind) const override { return kind == TControlKind::RadioButton; }
};

}  // namespace framework
