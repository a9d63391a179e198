#include "framework/t_check_box.h"

#include <QAbstractButton>
#include <cstring>

#include "framework/detail/window_impl.h"

namespace framework {

namespace {
QAbstractButton* ButtonOf(const TWindow& w) {
  return qobject_cast<QAbstractButton*>(w.GetImpl().widget.data());
}
}  // namespace

TCheckBox::TCheckBox(TWindow* parent, int resourceId, const TModule* module)
    : TControl(parent, resourceId, module) {
  EnableTransfer();
}

std::uint32_t TCheckBox::GetCheck() const {
  const QAbstractButton* button = ButtonOf(*this);
  return button != nullptr && button->isChecked() ? BF_CHECKED : BF_UNCHECKED;
}

void TCheckBox::SetCheck(std::uint32_t state) {
  if (QAbstractButton* button = ButtonOf(*this))
    button->setChecked(state != BF_UNCHECKED);
}

std::size_t TCheckBox::Transfer(void* buffer, std::size_t size, TTransferDirection direction) {
  if (buffer == nullptr || size < sizeof(std::uint32_t))
    return 0;
  // A control without a window has nothing to give or show: its field stays.
  if (!IsWindow())
    return sizeof(std::uint32_t);
  // The field may sit at any byte of a packed buffer: copy, never cast.
  std::uint32_t state = 0;
  if (direction == tdGetData) {
    state = GetCheck();
    std::memcpy(buffer, &state, sizeof state);
  } else {
    std::memcpy(&state, buffer, sizeof state);
    SetCheck(state);
  }
  return sizeof state;
}

TRadioButton::TRadioButton(TWindow* parent, int resourceId, const TModule* module)
    : TCheckBox(parent, resourceId, module) {}

}  // namespace framework
