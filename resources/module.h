// The program's resources, gathered for the application object: menu 110,
// icons 1 and 2, and the dialog templates.
#pragma once

#include <string_view>

#include "framework/t_module.h"

namespace fotovuelo::res {

const framework::TModule& ProgramModule();

const framework::TMenuTemplate& MainMenu();
const framework::TIconTemplate& ProgramIcon();
const framework::TIconTemplate& FrameIcon();
const framework::TDialogTemplate& DataFormTemplate();
const framework::TDialogTemplate& ResultsTemplate();

// The program's authorship notice for the About box, Windows-1252, CR LF.
std::string_view AboutText();

}  // namespace fotovuelo::res
