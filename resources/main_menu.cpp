// Menu 110 of the main frame.
#include "compute/cp1252.h"
#include "resources/ids.h"
#include "resources/module.h"

namespace fotovuelo::res {

using cp1252::operator""_cp1252;
using framework::TMenuItemKind;
using framework::TMenuItemTemplate;

namespace {

constexpr TMenuItemTemplate kCalculo[] = {
    {TMenuItemKind::Command, "&Datos", kCmDatos, {}, false},
    {TMenuItemKind::Command, "&Resultados", kCmResultados, {}, false},
    {TMenuItemKind::Separator, "", 0, {}, false},
    {TMenuItemKind::Command, "&Exit", kCmExit, {}, false},
};

// "&About..." is a command on the bar itself, at the bar's right end.
constexpr TMenuItemTemplate kBar[] = {
    {TMenuItemKind::Popup, "&Cálculo"_cp1252, 0, kCalculo, false},
    {TMenuItemKind::Command, "&About...", kCmAcerca, {}, true},
};

constexpr framework::TMenuTemplate kMainMenuTemplate{kBar};

}  // namespace

const framework::TMenuTemplate& MainMenu() {
  return kMainMenuTemplate;
}

}  // namespace fotovuelo::res
