#pragma once

#include <QIcon>

#include "framework/t_module.h"

namespace framework::detail {

// An icon from its XPM text; a null icon, with a message, when the text is
// not a picture.
QIcon IconFrom(const TIconTemplate& icon);

}  // namespace framework::detail
