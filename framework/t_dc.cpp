#include "framework/t_dc.h"

#include <QPainter>

#include "framework/detail/text.h"
#include "framework/detail/window_impl.h"

namespace framework {

namespace {
QColor ToQt(TColor c) {
  return QColor(c.r, c.g, c.b);
}
TColor FromQt(const QColor& c) {
  return TColor{static_cast<std::uint8_t>(c.red()), static_cast<std::uint8_t>(c.green()),
                static_cast<std::uint8_t>(c.blue())};
}
QRect ToQt(const TRect& r) {
  return QRect(r.left, r.top, r.Width(), r.Height());
}
}  // namespace

TColor TDC::SetBkColor(TColor color) {
  const TColor previous = FromQt(handle_->background);
  handle_->background = ToQt(color);
  return previous;
}

TColor TDC::SetTextColor(TColor color) {
  const TColor previous = FromQt(handle_->text);
  handle_->text = ToQt(color);
  return previous;
}

bool TDC::ExtTextOut(int x, int y, unsigned options, const TRect* rect, std::string_view text) {
  QPainter* painter = handle_->painter;
  if (painter == nullptr)
    return false;
  if ((options & ETO_OPAQUE) != 0 && rect != nullptr) {
    painter->fillRect(ToQt(*rect), handle_->background);
  }
  if (!text.empty()) {
    painter->save();
    painter->setPen(handle_->text);
    if (rect != nullptr)
      painter->setClipRect(ToQt(*rect));
    painter->drawText(QPoint(x, y + painter->fontMetrics().ascent()), detail::ToQt(text));
    painter->restore();
  }
  return true;
}

void TDC::FillRect(const TRect& rect, TColor color) {
  if (handle_->painter != nullptr)
    handle_->painter->fillRect(ToQt(rect), ToQt(color));
}

}  // namespace framework
