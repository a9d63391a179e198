// The results dialog "Resultados" (template 300): the data summary followed
// by the last computation report, in one field that can be scrolled,
// selected and copied.
#pragma once

#include <string>

#include "framework/t_dialog.h"
#include "framework/t_edit.h"

class TTransferInfoDialog : public framework::TDialog {
 public:
  // info must outlive the dialog: the dialog refers to it, it does not copy it.
  TTransferInfoDialog(framework::TWindow* parent, framework::TResId resId, std::string& info);
  ~TTransferInfoDialog() override;

  framework::TEdit* DisplayInfo;  // edit 301, a child of the dialog
  std::string& Info;

 protected:
  // Puts the report in the field, then the summary before it at the caret.
  void SetupWindow() override;
};
