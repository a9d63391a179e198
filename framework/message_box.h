// A modal message box: a caption, a text, buttons and an icon chosen by the
// MB_ flags. Texts are Windows-1252; CR LF or LF break lines.
#pragma once

#include <string_view>

#include "framework/t_defs.h"

namespace framework {

class TWindow;

// Returns the button pressed (IDOK, IDCANCEL, IDYES, IDNO); closing the box
// another way counts as IDCANCEL where there is one, else as the only button.
// owner may be null; an empty caption reads "Error".
int MessageBox(TWindow* owner, std::string_view text, std::string_view caption, unsigned flags);

}  // namespace framework
