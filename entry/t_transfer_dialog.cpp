#include "entry/t_transfer_dialog.h"

#include "resources/ids.h"

// clang-format off
DEFINE_RESPONSE_TABLE1(TTransferDialog, framework::TDialog)
  EV_WM_DESTROY,
END_RESPONSE_TABLE;
// clang-format on

TTransferDialog::TTransferDialog(framework::TWindow* parent, framework::TResId resId,
                                 TTransferStruct& /*transfer*/)
    : framework::TDialog(parent, resId) {}

TTransferDialog::~TTransferDialog() {
  // While this class's table is still the one found, so a form deleted with
  // its window open still tells its parent.
  Destroy(framework::IDCANCEL);
}

void TTransferDialog::EvDestroy() {
  // Posted, not sent: the main window forgets the form only after the
  // form's destruction has finished.
  if (framework::TWindow* parent = GetParent()) {
    parent->PostMessage(fotovuelo::res::kWmDialogClosed, 0, 0);
  }
  framework::TDialog::EvDestroy();
}
