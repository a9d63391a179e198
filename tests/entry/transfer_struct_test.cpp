// The flight data record: its defaults, the list it starts with, and copies
// that are whole and independent. The layout itself is pinned by the
// static_asserts of its header.
#include <gtest/gtest.h>

#include <cstring>
#include <new>
#include <string>
#include <vector>

#include "compute/cp1252.h"
#include "entry/t_transfer_struct.h"
#include "framework/t_defs.h"

namespace {

// A packed record's 32-bit fields may be misaligned: compare copies, never
// bind a reference to the field itself.
template <class T>
T Value(T field) {
  return field;
}

using fotovuelo::cp1252::operator""_cp1252;

// Every text field of the record with its width.
std::vector<std::pair<const char*, std::size_t>> TextFields(const TTransferStruct& r) {
  return {{r.Mf_Edit, sizeof r.Mf_Edit},         {r.f_Edit, sizeof r.f_Edit},
          {r.LDIMSR_Edit, sizeof r.LDIMSR_Edit}, {r.ADIMSR_Edit, sizeof r.ADIMSR_Edit},
          {r.P_Edit, sizeof r.P_Edit},           {r.Q_Edit, sizeof r.Q_Edit},
          {r.L_Edit, sizeof r.L_Edit},           {r.A_Edit, sizeof r.A_Edit},
          {r.VOBTU_Edit, sizeof r.VOBTU_Edit},   {r.Vc_Edit, sizeof r.Vc_Edit},
          {r.Vmi_Edit, sizeof r.Vmi_Edit},       {r.Cotmin_Edit, sizeof r.Cotmin_Edit},
          {r.Cotmax_Edit, sizeof r.Cotmax_Edit}, {r.Cotmed_Edit, sizeof r.Cotmed_Edit},
          {r.LBDataEdit, sizeof r.LBDataEdit},   {r.Edit_Latg, sizeof r.Edit_Latg},
          {r.Edit_Latm, sizeof r.Edit_Latm},     {r.Edit_Lats, sizeof r.Edit_Lats},
          {r.Edit_Long, sizeof r.Edit_Long},     {r.Edit_Lonm, sizeof r.Edit_Lonm},
          {r.Edit_Lons, sizeof r.Edit_Lons},     {r.Edit_Azg, sizeof r.Edit_Azg},
          {r.Edit_Azm, sizeof r.Edit_Azm},       {r.Edit_Azs, sizeof r.Edit_Azs},
          {r.Edit_Emis, sizeof r.Edit_Emis},     {r.Edit_Gree, sizeof r.Edit_Gree}};
}

const std::vector<std::string> kDefaultLines = {"Formato=SR",
                                                "dl=0.05mm",
                                                "Eje de toma vertical",
                                                "Planialtimetria",
                                                std::string("Ampliación hasta 5 veces"_cp1252),
                                                "Restituidor dp=0.002mm"};

TEST(TransferStruct, DefaultsAreEmptyFieldsTheTwoTicksAndTheSixLines) {
  const TTransferStruct record;
  const auto fields = TextFields(record);
  ASSERT_EQ(fields.size(), 26u) << "26 text fields, 9 check states and the list: 36 fields";
  for (const auto& [text, width] : fields) {
    EXPECT_EQ(text[0], '\0');
    EXPECT_GE(width, 2u);
  }
  EXPECT_EQ(Value(record.CheckBox1), framework::BF_CHECKED);    // Rural
  EXPECT_EQ(Value(record.CheckBox2), framework::BF_UNCHECKED);  // Urbano
  EXPECT_EQ(Value(record.CheckBox3), framework::BF_UNCHECKED);  // Montañoso
  EXPECT_EQ(Value(record.CheckBox4), framework::BF_CHECKED);    // Fotogrametría
  EXPECT_EQ(Value(record.CheckBox5), framework::BF_UNCHECKED);  // Fotointerpretación
  EXPECT_EQ(Value(record.WGS84), framework::BF_UNCHECKED);
  EXPECT_EQ(Value(record.Hayford), framework::BF_UNCHECKED);
  EXPECT_EQ(Value(record.VAnalogico), framework::BF_UNCHECKED);
  EXPECT_EQ(Value(record.VDigital), framework::BF_UNCHECKED);

  EXPECT_EQ(record.ListBoxData->Strings, kDefaultLines);
  EXPECT_TRUE(record.ListBoxData->ItemDatas.empty()) << "the program adds no item data";
  EXPECT_EQ(record.ListBoxData->SelIndices, (std::vector<int>{2, 3}));
}

TEST(TransferStruct, CopiesAreWholeAndIndependent) {
  TTransferStruct original;
  std::strcpy(original.Mf_Edit, "15000");
  std::strcpy(original.Edit_Emis, "S");
  original.WGS84 = framework::BF_CHECKED;
  original.ListBoxData->AddString("propio");

  TTransferStruct copy(original);
  TTransferStruct assigned;
  assigned = original;
  for (TTransferStruct* r : {&copy, &assigned}) {
    EXPECT_STREQ(r->Mf_Edit, "15000");
    EXPECT_STREQ(r->Edit_Emis, "S");
    EXPECT_EQ(Value(r->WGS84), framework::BF_CHECKED);
    EXPECT_EQ(*r->ListBoxData, *original.ListBoxData);
    EXPECT_NE(&*r->ListBoxData, &*original.ListBoxData) << "the list is copied, not shared";
  }

  copy.ListBoxData->Strings.clear();
  copy.ListBoxData->SelIndices.clear();
  std::strcpy(copy.Mf_Edit, "1");
  EXPECT_EQ(original.ListBoxData->Strings.size(), 7u);
  EXPECT_EQ(original.ListBoxData->SelIndices, (std::vector<int>{2, 3}));
  EXPECT_STREQ(original.Mf_Edit, "15000");

  TTransferStruct& self = assigned;
  assigned = self;
  EXPECT_EQ(assigned.ListBoxData->Strings.size(), 7u) << "assignment to itself keeps the list";
}

// A packed record may start at any byte, and so may its list field. The list
// data is reached only through an aligned pointer; the sanitizer build stops
// here if any access is misaligned.
TEST(TransferStruct, WorksAtAnOddAddress) {
  alignas(8) unsigned char storage[sizeof(TTransferStruct) + 1];
  auto* record = new (storage + 1) TTransferStruct();
  record->ListBoxData->AddString("impar");
  record->CheckBox3 = framework::BF_CHECKED;
  const TTransferStruct copy(*record);
  EXPECT_EQ(copy.ListBoxData->Strings.back(), "impar");
  EXPECT_EQ(Value(copy.CheckBox3), framework::BF_CHECKED);
  record->~TTransferStruct();
}

}  // namespace
