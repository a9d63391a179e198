#include "entry/t_transfer_dialog.h"

#include <cstddef>
#include <string_view>

#include "compute/calculo.h"
#include "compute/cp1252.h"
#include "framework/t_validator.h"
#include "resources/ids.h"

using fotovuelo::FormField;
using fotovuelo::cp1252::operator""_cp1252;

int n = 0;

namespace {

// Command numbers of the form's buttons.
constexpr int kCmCalcular = 25;
constexpr int kCmAddListBox = 19;

// An edit with the text limit of its record field and, unless it is the
// free "Dato:" line, the character filter of its field.
framework::TEdit* FieldEdit(framework::TWindow* form, int id, std::size_t width,
                            std::string_view filter) {
  auto* edit = new framework::TEdit(form, id, static_cast<unsigned>(width));
  if (!filter.empty())
    edit->SetValidator(new framework::TFilterValidator(filter));
  return edit;
}

// The field as the computation knows it: its control number and filter.
framework::TEdit* FieldEdit(framework::TWindow* form, FormField field) {
  const fotovuelo::FormFieldInfo& info = fotovuelo::FieldInfo(field);
  return FieldEdit(form, info.control, info.width, info.filter);
}

// What "&Calcular" reads: the live controls of the form, not the record.
class LiveForm final : public fotovuelo::FlightForm {
 public:
  explicit LiveForm(const TTransferDialog& form) : form_(form) {}
  void GetFieldText(FormField field, char* buffer, std::size_t capacity) const override {
    form_.EditOf(field)->GetText(buffer, static_cast<int>(capacity));
  }
  unsigned GetCheck(fotovuelo::FormButton button) const override {
    return button == fotovuelo::FormButton::RButton1 ? form_.RButton1->GetCheck()
                                                     : form_.RButton3->GetCheck();
  }

 private:
  const TTransferDialog& form_;
};

}  // namespace

// clang-format off
DEFINE_RESPONSE_TABLE1(TTransferDialog, framework::TDialog)
  EV_COMMAND(kCmCalcular, Calculo),
  EV_COMMAND(kCmAddListBox, CmAddListBox),
  EV_WM_DESTROY,
END_RESPONSE_TABLE;
// clang-format on

TTransferDialog::TTransferDialog(framework::TWindow* parent, framework::TResId resId,
                                 TTransferStruct& transfer)
    : framework::TDialog(parent, resId) {
  // Created in the order of the record's fields: the order of the transfer.
  Mf_Edit = FieldEdit(this, FormField::Mf);
  f_Edit = FieldEdit(this, FormField::f);
  LDIMSR_Edit = FieldEdit(this, FormField::LDIMSR);
  ADIMSR_Edit = FieldEdit(this, FormField::ADIMSR);
  P_Edit = FieldEdit(this, FormField::P);
  Q_Edit = FieldEdit(this, FormField::Q);
  L_Edit = FieldEdit(this, FormField::L);
  A_Edit = FieldEdit(this, FormField::A);
  VOBTU_Edit = FieldEdit(this, FormField::VOBTU);
  Vc_Edit = FieldEdit(this, FormField::Vc);
  Vmi_Edit = FieldEdit(this, FormField::Vmi);
  Cotmin_Edit = FieldEdit(this, FormField::Cotmin);
  Cotmax_Edit = FieldEdit(this, FormField::Cotmax);
  Cotmed_Edit = FieldEdit(this, FormField::Cotmed);
  new framework::TCheckBox(this, 20);   // "Rural"
  new framework::TCheckBox(this, 21);   // "Urbano"
  new framework::TCheckBox(this, 22);   // "Montañoso"
  new framework::TCheckBox(this, 101);  // "Fotogrametría"
  new framework::TCheckBox(this, 102);  // "Fotointerpretación"
  ListBox = new framework::TListBox(this, 26);
  ListBoxData = FieldEdit(this, 18, sizeof transfer.LBDataEdit, {});
  Edit_Latg = FieldEdit(this, FormField::Lat_g);
  Edit_Latm = FieldEdit(this, FormField::Lat_m);
  Edit_Lats = FieldEdit(this, FormField::Lat_s);
  Edit_Long = FieldEdit(this, FormField::Lon_g);
  Edit_Lonm = FieldEdit(this, FormField::Lon_m);
  Edit_Lons = FieldEdit(this, FormField::Lon_s);
  Edit_Azg = FieldEdit(this, FormField::Az_g);
  Edit_Azm = FieldEdit(this, FormField::Az_m);
  Edit_Azs = FieldEdit(this, FormField::Az_s);
  Edit_Emis = FieldEdit(this, FormField::Emis);
  Edit_Gree = FieldEdit(this, FormField::Gree);
  RButton1 = new framework::TRadioButton(this, 106);
  RButton2 = new framework::TRadioButton(this, 107);
  RButton3 = new framework::TRadioButton(this, 114);
  RButton4 = new framework::TRadioButton(this, 115);
  SetTransferBuffer(transfer);
}

TTransferDialog::~TTransferDialog() {
  // While this class's table is still the one found, so a form deleted with
  // its window open still tells its parent.
  Destroy(framework::IDCANCEL);
}

framework::TEdit* TTransferDialog::EditOf(FormField field) const {
  switch (field) {
    case FormField::Mf:
      return Mf_Edit;
    case FormField::f:
      return f_Edit;
    case FormField::LDIMSR:
      return LDIMSR_Edit;
    case FormField::ADIMSR:
      return ADIMSR_Edit;
    case FormField::P:
      return P_Edit;
    case FormField::Q:
      return Q_Edit;
    case FormField::L:
      return L_Edit;
    case FormField::A:
      return A_Edit;
    case FormField::VOBTU:
      return VOBTU_Edit;
    case FormField::Vc:
      return Vc_Edit;
    case FormField::Vmi:
      return Vmi_Edit;
    case FormField::Cotmin:
      return Cotmin_Edit;
    case FormField::Cotmax:
      return Cotmax_Edit;
    case FormField::Cotmed:
      return Cotmed_Edit;
    case FormField::Lat_g:
      return Edit_Latg;
    case FormField::Lat_m:
      return Edit_Latm;
    case FormField::Lat_s:
      return Edit_Lats;
    case FormField::Lon_g:
      return Edit_Long;
    case FormField::Lon_m:
      return Edit_Lonm;
    case FormField::Lon_s:
      return Edit_Lons;
    case FormField::Az_g:
      return Edit_Azg;
    case FormField::Az_m:
      return Edit_Azm;
    case FormField::Az_s:
      return Edit_Azs;
    case FormField::Emis:
      return Edit_Emis;
    case FormField::Gree:
      return Edit_Gree;
  }
  return Mf_Edit;
}

void TTransferDialog::CloseWindow(int retVal) {
  // The record is written first and unconditionally, even when a field then
  // keeps the form open.
  TransferData(framework::tdGetData);
  framework::TDialog::CloseWindow(retVal);
}

void TTransferDialog::Calculo() {
  const LiveForm form(*this);
  if (const auto refusal = fotovuelo::Calculo(form)) {
    // The last report stays in place; the user is told which field to change.
    MessageBox(refusal->SpanishMessage(), "No se puede calcular el vuelo",
               framework::MB_OK | framework::MB_ICONEXCLAMATION);
    EditOf(refusal->field)->SetFocus();
  }
}

void TTransferDialog::CmAddListBox() {
  char line[80] = {};
  ListBoxData->GetLine(line, sizeof line, 0);
  if (line[0] != '\0') {
    ListBox->AddString(line);
    ++n;
  }
  ListBoxData->DeleteLine(0);
}

void TTransferDialog::EvDestroy() {
  // Posted, not sent: the main window forgets the form only after the
  // form's destruction has finished.
  if (framework::TWindow* parent = GetParent()) {
    parent->PostMessage(fotovuelo::res::kWmDialogClosed, 0, 0);
  }
  framework::TDialog::EvDestroy();
}
