#include "framework/detail/icon.h"

#include <QPixmap>
#include <cstdio>

namespace framework::detail {

QIcon IconFrom(const TIconTemplate& icon) {
  const QPixmap pixmap(icon.xpm.data());
  if (pixmap.isNull()) {
    std::fprintf(stderr, "fotovuelo: an icon resource is not a valid XPM picture\n");
    return {};
  }
  return QIcon(pixmap);
}

}  // namespace framework::detail
