// The flight data record: what the data form shows and stores. Its fields lie
// in the order the form creates its controls, each starting where the one
// before ends (no padding, also before the 32-bit check states), because a
// transfer walks the record from its first byte and each control takes as
// many bytes as its field holds. A field may not be added, removed, widened
// or moved without the same change to the form's controls.
//
// Text fields hold NUL-terminated Windows-1252 text; a field's width includes
// the terminator and equals its edit's text limit. Check states are
// BF_UNCHECKED (0) or BF_CHECKED (1). Being packed, a 32-bit field may sit
// at an odd address: read and write it by value, never through a reference
// or pointer to it.
#pragma once

#include <cstddef>
#include <cstdint>

#include "framework/t_list_box_data.h"

#pragma pack(push, 1)
struct TTransferStruct {
  TTransferStruct();
  TTransferStruct(const TTransferStruct&) = default;
  TTransferStruct& operator=(const TTransferStruct&) = default;
  ~TTransferStruct() = default;

  char Mf_Edit[7];          // scale number (1 : Mf)
  char f_Edit[8];           // focal length, mm
  char LDIMSR_Edit[7];      // sensor side along the flight line, mm
  char ADIMSR_Edit[7];      // sensor side across the flight line, mm
  char P_Edit[3];           // forward overlap, %
  char Q_Edit[3];           // side overlap, %
  char L_Edit[4];           // length of the area, km
  char A_Edit[4];           // width of the area, km
  char VOBTU_Edit[8];       // shutter time, s
  char Vc_Edit[5];          // cruise speed, km/h
  char Vmi_Edit[5];         // minimum speed, km/h
  char Cotmin_Edit[5];      // lowest terrain elevation, m
  char Cotmax_Edit[5];      // highest terrain elevation, m
  char Cotmed_Edit[5];      // mean terrain elevation, m
  std::uint32_t CheckBox1;  // terrain: rural
  std::uint32_t CheckBox2;  // terrain: urban
  std::uint32_t CheckBox3;  // terrain: mountainous
  std::uint32_t CheckBox4;  // purpose: photogrammetry
  std::uint32_t CheckBox5;  // purpose: photo interpretation
  // The information list. Held out of line (see TPackedListBoxData) so that
  // its vectors are never reached through a misaligned address.
  framework::TPackedListBoxData ListBoxData;
  char LBDataEdit[80];       // the line being typed for the information list
  char Edit_Latg[4];         // start latitude: degrees
  char Edit_Latm[3];         //                 minutes
  char Edit_Lats[6];         //                 seconds, decimals allowed
  char Edit_Long[4];         // start longitude: degrees
  char Edit_Lonm[3];         //                  minutes
  char Edit_Lons[6];         //                  seconds, decimals allowed
  char Edit_Azg[4];          // azimuth of the flight lines: degrees
  char Edit_Azm[3];          //                              minutes
  char Edit_Azs[6];          //                              seconds, decimals allowed
  char Edit_Emis[2];         // "S" means south, anything else north
  char Edit_Gree[2];         // "W" means west, anything else east
  std::uint32_t WGS84;       // ellipsoid WGS 84 chosen
  std::uint32_t Hayford;     // ellipsoid Hayford chosen
  std::uint32_t VAnalogico;  // analogue camera
  std::uint32_t VDigital;    // digital camera
};
#pragma pack(pop)

// The layout, pinned: each field starts where the previous one ends.
static_assert(offsetof(TTransferStruct, Mf_Edit) == 0);
static_assert(offsetof(TTransferStruct, f_Edit) == 7);
static_assert(offsetof(TTransferStruct, LDIMSR_Edit) == 15);
static_assert(offsetof(TTransferStruct, ADIMSR_Edit) == 22);
static_assert(offsetof(TTransferStruct, P_Edit) == 29);
static_assert(offsetof(TTransferStruct, Q_Edit) == 32);
static_assert(offsetof(TTransferStruct, L_Edit) == 35);
static_assert(offsetof(TTransferStruct, A_Edit) == 39);
static_assert(offsetof(TTransferStruct, VOBTU_Edit) == 43);
static_assert(offsetof(TTransferStruct, Vc_Edit) == 51);
static_assert(offsetof(TTransferStruct, Vmi_Edit) == 56);
static_assert(offsetof(TTransferStruct, Cotmin_Edit) == 61);
static_assert(offsetof(TTransferStruct, Cotmax_Edit) == 66);
static_assert(offsetof(TTransferStruct, Cotmed_Edit) == 71);
static_assert(offsetof(TTransferStruct, CheckBox1) == 76);
static_assert(offsetof(TTransferStruct, CheckBox2) == 80);
static_assert(offsetof(TTransferStruct, CheckBox3) == 84);
static_assert(offsetof(TTransferStruct, CheckBox4) == 88);
static_assert(offsetof(TTransferStruct, CheckBox5) == 92);
static_assert(offsetof(TTransferStruct, ListBoxData) == 96);
static_assert(offsetof(TTransferStruct, LBDataEdit) == 96 + sizeof(framework::TPackedListBoxData));
static_assert(offsetof(TTransferStruct, Edit_Latg) == offsetof(TTransferStruct, LBDataEdit) + 80);
static_assert(offsetof(TTransferStruct, Edit_Latm) == offsetof(TTransferStruct, Edit_Latg) + 4);
static_assert(offsetof(TTransferStruct, Edit_Lats) == offsetof(TTransferStruct, Edit_Latm) + 3);
static_assert(offsetof(TTransferStruct, Edit_Long) == offsetof(TTransferStruct, Edit_Lats) + 6);
static_assert(offsetof(TTransferStruct, Edit_Lonm) == offsetof(TTransferStruct, Edit_Long) + 4);
static_assert(offsetof(TTransferStruct, Edit_Lons) == offsetof(TTransferStruct, Edit_Lonm) + 3);
static_assert(offsetof(TTransferStruct, Edit_Azg) == offsetof(TTransferStruct, Edit_Lons) + 6);
static_assert(offsetof(TTransferStruct, Edit_Azm) == offsetof(TTransferStruct, Edit_Azg) + 4);
static_assert(offsetof(TTransferStruct, Edit_Azs) == offsetof(TTransferStruct, Edit_Azm) + 3);
static_assert(offsetof(TTransferStruct, Edit_Emis) == offsetof(TTransferStruct, Edit_Azs) + 6);
static_assert(offsetof(TTransferStruct, Edit_Gree) == offsetof(TTransferStruct, Edit_Emis) + 2);
static_assert(offsetof(TTransferStruct, WGS84) == offsetof(TTransferStruct, Edit_Gree) + 2);
static_assert(offsetof(TTransferStruct, Hayford) == offsetof(TTransferStruct, WGS84) + 4);
static_assert(offsetof(TTransferStruct, VAnalogico) == offsetof(TTransferStruct, Hayford) + 4);
static_assert(offsetof(TTransferStruct, VDigital) == offsetof(TTransferStruct, VAnalogico) + 4);
static_assert(sizeof(TTransferStruct) == offsetof(TTransferStruct, VDigital) + 4);
static_assert(sizeof(TTransferStruct) == 235 + sizeof(framework::TPackedListBoxData));
static_assert(alignof(TTransferStruct) == 1);
