// The data form "Control de Datos" (dialog template 200), a modeless dialog
// bound to the flight data record.
//
// What stands now is the form's part of its contract with the main window:
// it is built with its parent, its template and the record, created and
// shown by the caller, and whenever its window is destroyed, by whatever
// path, it posts WM_USER + 100 to its parent. Its fields, their filters and
// limits, the record as transfer buffer, "Add" and "&Calcular" are added
// together with the rest of template 200.
#pragma once

#include "entry/t_transfer_struct.h"
#include "framework/t_dialog.h"

class TTransferDialog : public framework::TDialog {
 public:
  TTransferDialog(framework::TWindow* parent, framework::TResId resId, TTransferStruct& transfer);
  ~TTransferDialog() override;

  DECLARE_RESPONSE_TABLE(TTransferDialog);

 protected:
  void EvDestroy();
};
