// Dialog template 200, "Control de Datos": the data form. The order of the
// controls is the tab order; a control marked kGroup starts a group (radio
// buttons are exclusive within one, so 106/107 and 114/115 make two pairs).
#include "compute/cp1252.h"
#include "framework/t_module.h"
#include "resources/module.h"

namespace fotovuelo::res {

namespace {

using cp1252::operator""_cp1252;
using framework::kNoControlId;
using framework::TControlKind;
namespace st = framework::style;
namespace ds = framework::dialog_style;

constexpr auto kEdit = TControlKind::Edit;
constexpr auto kCheck = TControlKind::CheckBox;
constexpr auto kRadio = TControlKind::RadioButton;
constexpr auto kButton = TControlKind::PushButton;
constexpr auto kList = TControlKind::ListBox;
constexpr auto kGroupBox = TControlKind::GroupBox;
constexpr auto kStatic = TControlKind::Static;

// Single line, left-aligned, no automatic horizontal scrolling: a field's
// text is bounded by its limit and by its visible width.
constexpr std::uint32_t kField = st::kBorder | st::kTabStop;
constexpr std::uint32_t kBox = st::kAuto | st::kTabStop;
constexpr std::uint32_t kLabel = st::kGroup;
constexpr std::uint32_t kRightLabel = st::kGroup | st::kRight;

constexpr framework::TControlTemplate kControls[] = {
    // 1-36: the controls the form binds, its command buttons.
    {101, kCheck, "Fotogrametría"_cp1252, {165, 21, 62, 12}, kBox | st::kGroup},
    {102, kCheck, "Fotointerpretación"_cp1252, {234, 21, 84, 12}, kBox},
    {10, kEdit, "", {20, 32, 28, 12}, kField},
    {11, kEdit, "", {24, 63, 31, 12}, kField},
    {111, kEdit, "", {24, 86, 31, 12}, kField},
    {112, kEdit, "", {24, 103, 31, 12}, kField},
    {12, kEdit, "", {126, 63, 13, 12}, kField},
    {13, kEdit, "", {164, 63, 13, 12}, kField},
    {14, kEdit, "", {126, 97, 16, 12}, kField},
    {15, kEdit, "", {174, 97, 16, 12}, kField},
    {16, kEdit, "", {276, 70, 31, 12}, kField},
    {17, kEdit, "", {276, 90, 20, 12}, kField},
    {38, kEdit, "", {276, 105, 20, 12}, kField},
    {37, kEdit, "", {32, 160, 16, 12}, kField},
    {36, kEdit, "", {51, 160, 13, 12}, kField},
    {35, kEdit, "", {67, 160, 24, 12}, kField},
    {34, kEdit, "", {32, 177, 16, 12}, kField},
    {33, kEdit, "", {51, 177, 13, 12}, kField},
    {32, kEdit, "", {67, 177, 24, 12}, kField},
    {103, kEdit, "", {34, 198, 10, 12}, kField},
    {104, kEdit, "", {73, 198, 10, 12}, kField},
    {31, kEdit, "", {116, 169, 16, 12}, kField},
    {30, kEdit, "", {135, 169, 13, 12}, kField},
    {29, kEdit, "", {151, 169, 24, 12}, kField},
    {106, kRadio, "WGS 84", {220, 161, 40, 12}, kBox},
    {107, kRadio, "Hayford", {220, 181, 40, 12}, kBox},
    {20, kCheck, "Rural", {195, 249, 31, 12}, kBox},
    {21, kCheck, "Urbano", {195, 265, 40, 12}, kBox},
    {22, kCheck, "Montañoso"_cp1252, {195, 281, 48, 12}, kBox},
    {27, kEdit, "", {293, 251, 20, 12}, kField},
    {28, kEdit, "", {293, 269, 20, 12}, kField},
    {23, kEdit, "", {293, 288, 20, 12}, kField},
    // "Dato:" scrolls, so its 79 characters can all be typed.
    {18, kEdit, "", {28, 326, 100, 14}, kField | st::kAutoHScroll},
    {19, kButton, "Add", {136, 326, 33, 14}, st::kTabStop},
    {25, kButton, "&Calcular", {212, 355, 50, 14}, st::kDefault | st::kCenter | st::kTabStop},
    {framework::IDOK, kButton, "&Close", {272, 355, 50, 14}, st::kDefault | st::kTabStop},
    // 37-82: labels, frames and group boxes.
    {kNoControlId, kStatic, "", {7, 3, 316, 123}, st::kBlackFrame},
    {kNoControlId, kStatic, "&T. Obturación"_cp1252, {217, 73, 55, 8}, kRightLabel},
    {kNoControlId, kStatic, "Mf", {10, 35, 8, 8}, kRightLabel},
    {105, kGroupBox, "&Objetivo del Vuelo", {162, 7, 157, 33}, st::kGroup},
    {kNoControlId, kStatic, "f", {14, 66, 8, 8}, kRightLabel},
    {kNoControlId, kStatic, "", {192, 247, 129, 57}, st::kBlackFrame},
    {kNoControlId, kStatic, "Tipo de zona:", {191, 236, 52, 9}, kLabel},
    {26, kList, "", {8, 239, 156, 80}, st::kBorder | st::kNotify | st::kSort},
    {kNoControlId, kStatic, "Información:"_cp1252, {8, 228, 47, 9}, kLabel},
    {kNoControlId, kStatic, "Dato:", {4, 329, 20, 9}, kLabel},
    {kNoControlId, kStatic, "Km", {144, 101, 8, 8}, kLabel},
    {kNoControlId, kStatic, "Km", {192, 101, 8, 8}, kLabel},
    {kNoControlId, kStatic, "L", {117, 101, 8, 8}, kLabel},
    {kNoControlId, kStatic, "A", {165, 101, 8, 8}, kLabel},
    {kNoControlId, kStatic, "p", {117, 65, 8, 8}, kLabel},
    {kNoControlId, kStatic, "%", {141, 65, 8, 8}, kLabel},
    {kNoControlId, kStatic, "q", {155, 65, 8, 8}, kLabel},
    {kNoControlId, kStatic, "%", {179, 65, 8, 8}, kLabel},
    {kNoControlId, kStatic, "&sg", {310, 73, 8, 8}, kLabel},
    {kNoControlId, kStatic, "mm", {58, 66, 10, 8}, kLabel},
    {kNoControlId, kStatic, "&V. Crucero", {232, 93, 40, 8}, kRightLabel},
    {kNoControlId, kStatic, "&Km/h", {298, 93, 17, 8}, kLabel},
    {kNoControlId, kStatic, "Cota min.", {252, 253, 40, 8}, kRightLabel},
    {kNoControlId, kStatic, "Cota max.", {252, 271, 40, 8}, kRightLabel},
    {kNoControlId, kStatic, "Lat0", {14, 162, 17, 8}, kLabel},
    {kNoControlId, kStatic, "Lon0", {14, 178, 17, 8}, kLabel},
    {kNoControlId, kStatic, "", {109, 165, 73, 20}, st::kEtchedFrame},
    {kNoControlId, kStatic, "Acimut Lineas de Vuelo", {102, 154, 91, 9}, kLabel},
    {kNoControlId, kStatic, "&V. Mínima"_cp1252, {232, 108, 40, 8}, kRightLabel},
    {kNoControlId, kStatic, "&Km/h", {298, 108, 17, 8}, kLabel},
    {kNoControlId, kStatic, "N", {25, 195, 5, 8}, 0},
    {kNoControlId, kStatic, "S", {25, 204, 5, 8}, 0},
    {kNoControlId, kStatic, "E", {64, 195, 5, 8}, 0},
    {kNoControlId, kStatic, "W", {64, 204, 5, 8}, 0},
    {kNoControlId, kStatic, "Cota med.", {252, 289, 40, 8}, kRightLabel},
    {108, kGroupBox, "Linea de Vuelo", {8, 138, 260, 82}, st::kGroup},
    {109, kGroupBox, "Recubrimiento", {109, 51, 84, 28}, st::kGroup},
    {110, kGroupBox, "Superficie", {109, 87, 100, 28}, st::kGroup},
    {kNoControlId, kStatic, "mm", {58, 89, 10, 8}, 0},
    {kNoControlId, kStatic, "mm", {58, 105, 10, 8}, 0},
    {kNoControlId, kStatic, "Sl", {14, 89, 8, 8}, 0},
    {kNoControlId, kStatic, "Sa", {14, 105, 8, 8}, 0},
    {113, kGroupBox, "SR", {12, 51, 60, 70}, st::kGroup},
    {114, kRadio, "Analógico"_cp1252, {67, 17, 50, 12}, kBox},
    {115, kRadio, "Digital", {67, 31, 42, 12}, kBox},
    {116, kGroupBox, "Vuelo", {60, 7, 60, 40}, st::kGroup},
};
static_assert(std::size(kControls) == 82);

// Pop-up, visible, clip siblings, caption, sizing border, minimize box, 3-D
// look, own font; no system menu, so the caption has no close box.
constexpr framework::TDialogTemplate kDataForm{"Control de Datos",
                                               {20, 26, 330, 380},
                                               "Courier",
                                               8,
                                               ds::kPopup | ds::kVisible | ds::kClipSiblings |
                                                   ds::kCaption | ds::kSizingBorder |
                                                   ds::kMinimizeBox | ds::k3DLook | ds::kSetFont,
                                               kControls};

}  // namespace

const framework::TDialogTemplate& DataFormTemplate() {
  return kDataForm;
}

}  // namespace fotovuelo::res
