// The data form "Control de Datos" (dialog template 200): a modeless dialog
// bound to the flight data record. It shows the record when it opens and
// stores its controls back into it on "&Close"; "&Calcular" runs the flight
// computation on what the controls hold at that moment.
#pragma once

#include "entry/t_transfer_struct.h"
#include "framework/t_check_box.h"
#include "framework/t_dialog.h"
#include "framework/t_edit.h"
#include "framework/t_list_box.h"

namespace fotovuelo {
enum class FormField : int;
}

// Lines added to the information list with "Add" since the program started;
// never reset, also not when a form closes without storing its list.
extern int n;

class TTransferDialog : public framework::TDialog {
 public:
  // Builds the controls in the record's field order and binds the record as
  // the transfer buffer. The caller creates and shows the window.
  TTransferDialog(framework::TWindow* parent, framework::TResId resId, TTransferStruct& transfer);
  ~TTransferDialog() override;

  // "&Close": stores the form into the record first, then closes if every
  // field is valid.
  void CloseWindow(int retVal = framework::IDOK) override;

  // The edit that holds a field the computation reads.
  framework::TEdit* EditOf(fotovuelo::FormField field) const;

  // The controls, as the form's children; these pointers do not own.
  framework::TEdit* Mf_Edit;
  framework::TEdit* f_Edit;
  framework::TEdit* P_Edit;
  framework::TEdit* Q_Edit;
  framework::TEdit* L_Edit;
  framework::TEdit* A_Edit;
  framework::TEdit* VOBTU_Edit;
  framework::TEdit* Vc_Edit;
  framework::TEdit* Vmi_Edit;
  framework::TEdit* Cotmin_Edit;
  framework::TEdit* Cotmax_Edit;
  framework::TEdit* Cotmed_Edit;
  framework::TListBox* ListBox;
  framework::TEdit* ListBoxData;  // the "Dato:" field, an edit despite its name
  framework::TEdit* Edit_Latg;
  framework::TEdit* Edit_Latm;
  framework::TEdit* Edit_Lats;
  framework::TEdit* Edit_Long;
  framework::TEdit* Edit_Lonm;
  framework::TEdit* Edit_Lons;
  framework::TEdit* Edit_Azg;
  framework::TEdit* Edit_Azm;
  framework::TEdit* Edit_Azs;
  framework::TEdit* Edit_Emis;
  framework::TEdit* Edit_Gree;
  framework::TEdit* LDIMSR_Edit;
  framework::TEdit* ADIMSR_Edit;
  framework::TRadioButton* RButton1;  // "WGS 84"
  framework::TRadioButton* RButton2;  // "Hayford"
  framework::TRadioButton* RButton3;  // "Analógico"
  framework::TRadioButton* RButton4;  // "Digital"

  DECLARE_RESPONSE_TABLE(TTransferDialog);

 protected:
  // "&Calcular": the flight computation, its exposure centres and its report.
  void Calculo();
  // "Add": the first line of "Dato:" joins the information list.
  void CmAddListBox();
  void EvDestroy();
};
