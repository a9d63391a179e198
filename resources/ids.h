// Numbers of the program's resources and of the commands and messages that
// the main window, the data form and the results dialog share.
#pragma once

#include "framework/t_defs.h"

namespace fotovuelo::res {

// Menu 110 and its commands.
inline constexpr int kMainMenu = 110;
inline constexpr int kCmDatos = 111;
inline constexpr int kCmResultados = 112;
inline constexpr int kCmAcerca = 41;
inline constexpr int kCmExit = framework::CM_EXIT;

// Icon 1 stands for the program; icon 2 is the main frame's.
inline constexpr int kProgramIcon = 1;
inline constexpr int kFrameIcon = 2;

// Dialog templates: the data form and the results dialog.
inline constexpr int kDataForm = 200;
inline constexpr int kResultsDialog = 300;

// Posted by the data form to the main window when the form's window is gone.
inline constexpr framework::TMsgId kWmDialogClosed = framework::WM_USER + 100;

}  // namespace fotovuelo::res
