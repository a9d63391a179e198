// A device context: what a window paints its background and contents with.
// Copies of a TDC made from the same handle share the colours set on it.
#pragma once

#include <string_view>

#include "framework/response_table.h"
#include "framework/t_defs.h"

namespace framework {

class TDC {
 public:
  explicit TDC(HDC handle) : handle_(handle) {}

  HDC GetHDC() const { return handle_; }

  // Both return the previous colour.
  TColor SetBkColor(TColor color);
  TColor SetTextColor(TColor color);

  // Writes text (Windows-1252) at (x, y), the top-left of its first line.
  // With ETO_OPAQUE the rectangle is first filled with the background colour,
  // which is how a background is painted with no text at all.
  bool ExtTextOut(int x, int y, unsigned options, const TRect* rect, std::string_view text);

  void FillRect(const TRect& rect, TColor color);

 private:
  HDC handle_;
};

}  // namespace framework
