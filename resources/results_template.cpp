// Dialog template 300, "Resultados": the data summary and the last report in
// one multi-line field that wraps its long lines, and "Ok".
#include "framework/t_module.h"
#include "resources/module.h"

namespace fotovuelo::res {

namespace {

using framework::TControlKind;
namespace st = framework::style;
namespace ds = framework::dialog_style;

constexpr framework::TControlTemplate kControls[] = {
    // No automatic horizontal scrolling: long lines wrap.
    {301,
     TControlKind::Edit,
     "",
     {9, 6, 282, 217},
     st::kMultiline | st::kBorder | st::kVScroll | st::kTabStop | st::kGroup},
    {framework::IDOK,
     TControlKind::PushButton,
     "Ok",
     {118, 240, 48, 14},
     st::kDefault | st::kTabStop},
};

// Pop-up with caption, modal frame, sizing border and minimize box; no
// system menu.
constexpr framework::TDialogTemplate kResults{"Resultados",
                                              {25, 20, 300, 260},
                                              "Courier",
                                              8,
                                              ds::kPopup | ds::kCaption | ds::kModalFrame |
                                                  ds::kSizingBorder | ds::kMinimizeBox |
                                                  ds::kSetFont,
                                              kControls};

}  // namespace

const framework::TDialogTemplate& ResultsTemplate() {
  return kResults;
}

}  // namespace fotovuelo::res
