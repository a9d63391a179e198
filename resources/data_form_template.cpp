// Dialog template 200, "Control de Datos": the data form's window. Its
// fields, labels and the "Add" and "&Calcular" buttons arrive with the data
// form itself; what stands here is the window and its "&Close" button, which
// is all the main window needs to open, grey "&Datos" and be told the form
// has gone.
#include "framework/t_module.h"
#include "resources/module.h"

namespace fotovuelo::res {

namespace {

using framework::TControlKind;
namespace st = framework::style;
namespace ds = framework::dialog_style;

constexpr framework::TControlTemplate kControls[] = {
    {framework::IDOK,
     TControlKind::PushButton,
     "&Close",
     {272, 355, 50, 14},
     st::kDefault | st::kTabStop | st::kGroup},
};

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
