#include "entry/t_transfer_struct.h"

#include "compute/cp1252.h"
#include "framework/t_defs.h"

using fotovuelo::cp1252::operator""_cp1252;

// Every byte starts at zero, so the text fields are empty and no byte of the
// record is left undetermined; the list data is built by its own constructor.
TTransferStruct::TTransferStruct()
    : Mf_Edit{},
      f_Edit{},
      LDIMSR_Edit{},
      ADIMSR_Edit{},
      P_Edit{},
      Q_Edit{},
      L_Edit{},
      A_Edit{},
      VOBTU_Edit{},
      Vc_Edit{},
      Vmi_Edit{},
      Cotmin_Edit{},
      Cotmax_Edit{},
      Cotmed_Edit{},
      CheckBox1(framework::BF_CHECKED),
      CheckBox2(framework::BF_UNCHECKED),
      CheckBox3(framework::BF_UNCHECKED),
      CheckBox4(framework::BF_CHECKED),
      CheckBox5(framework::BF_UNCHECKED),
      ListBoxData(),
      LBDataEdit{},
      Edit_Latg{},
      Edit_Latm{},
      Edit_Lats{},
      Edit_Long{},
      Edit_Lonm{},
      Edit_Lons{},
      Edit_Azg{},
      Edit_Azm{},
      Edit_Azs{},
      Edit_Emis{},
      Edit_Gree{},
      WGS84(framework::BF_UNCHECKED),
      Hayford(framework::BF_UNCHECKED),
      VAnalogico(framework::BF_UNCHECKED),
      VDigital(framework::BF_UNCHECKED) {
  framework::TListBoxData& list = *ListBoxData;
  list.AddString("Formato=SR", false);
  list.AddString("dl=0.05mm", false);
  list.AddString("Eje de toma vertical", false);
  list.AddString("Planialtimetria", false);
  list.AddString("Ampliación hasta 5 veces"_cp1252, false);
  list.AddString("Restituidor dp=0.002mm", false);
  list.Select(2);
  list.Select(3);
}
