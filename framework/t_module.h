// Resources as data: menus, dialog templates and icons, each under a number,
// gathered in a module that windows look them up in. Texts are Windows-1252
// bytes, like every text the programs keep; the framework converts them when
// it shows them.
#pragma once

#include <cstdint>
#include <map>
#include <span>
#include <string_view>

#include "framework/t_defs.h"

namespace framework {

enum class TMenuItemKind { Command, Popup, Separator };

struct TMenuItemTemplate {
  TMenuItemKind kind = TMenuItemKind::Command;
  std::string_view text;
  int id = 0;                                // the command, for TMenuItemKind::Command
  std::span<const TMenuItemTemplate> items;  // the pop-up's items, for TMenuItemKind::Popup
  // On the bar itself: this item and the ones after it stand at the bar's
  // right end.
  bool rightJustify = false;
};

struct TMenuTemplate {
  std::span<const TMenuItemTemplate> bar;
};

// A picture in XPM text form: the header line, the colour lines, the rows.
struct TIconTemplate {
  std::span<const char* const> xpm;
};

enum class TControlKind { Edit, PushButton, CheckBox, RadioButton, ListBox, GroupBox, Static };

// Style bits of dialog controls. Each bit has one meaning whatever the kind
// of control, so a template line reads the same everywhere.
namespace style {
inline constexpr std::uint32_t kGroup = 1u << 0;    // starts a group (radio exclusivity, mnemonics)
inline constexpr std::uint32_t kTabStop = 1u << 1;  // reached with the Tab key
inline constexpr std::uint32_t kBorder = 1u << 2;
inline constexpr std::uint32_t kVScroll = 1u << 3;
inline constexpr std::uint32_t kHScroll = 1u << 4;
inline constexpr std::uint32_t kDisabled = 1u << 5;
// Edit controls.
inline constexpr std::uint32_t kMultiline = 1u << 8;
// Without it a single-line edit refuses text wider than the field; a
// multi-line edit wraps its lines at the field's width.
inline constexpr std::uint32_t kAutoHScroll = 1u << 9;
inline constexpr std::uint32_t kReadOnly = 1u << 10;
// A multi-line edit takes the Enter key as a line break; without it Enter
// presses the dialog's default button.
inline constexpr std::uint32_t kWantReturn = 1u << 11;
// Buttons.
inline constexpr std::uint32_t kDefault = 1u << 12;  // the dialog's default push button
inline constexpr std::uint32_t kAuto = 1u << 13;     // check box or radio button that checks itself
// Static controls: text alignment, or a frame instead of text.
inline constexpr std::uint32_t kRight = 1u << 16;
inline constexpr std::uint32_t kCenter = 1u << 17;
inline constexpr std::uint32_t kBlackFrame = 1u << 18;
inline constexpr std::uint32_t kEtchedFrame = 1u << 19;
// List boxes.
inline constexpr std::uint32_t kSort = 1u << 20;
inline constexpr std::uint32_t kNotify = 1u << 21;
}  // namespace style

// Styles of a dialog window.
namespace dialog_style {
inline constexpr std::uint32_t kPopup = 1u << 0;
inline constexpr std::uint32_t kVisible = 1u << 1;
inline constexpr std::uint32_t kClipSiblings = 1u << 2;
inline constexpr std::uint32_t kCaption = 1u << 3;
inline constexpr std::uint32_t kSysMenu = 1u << 4;  // the caption bar has a close box
inline constexpr std::uint32_t kSizingBorder = 1u << 5;
inline constexpr std::uint32_t kMinimizeBox = 1u << 6;
inline constexpr std::uint32_t kModalFrame = 1u << 7;
inline constexpr std::uint32_t k3DLook = 1u << 8;
inline constexpr std::uint32_t kSetFont = 1u << 9;
}  // namespace dialog_style

// Positions and sizes in dialog units: a quarter of the dialog font's average
// character width across, an eighth of its character height down.
struct TDialogRect {
  int x = 0;
  int y = 0;
  int w = 0;
  int h = 0;
};

inline constexpr int kNoControlId = 65535;  // labels and frames nobody addresses

struct TControlTemplate {
  int id = kNoControlId;
  TControlKind kind = TControlKind::Static;
  std::string_view text;
  TDialogRect rect;
  std::uint32_t style = 0;
};

struct TDialogTemplate {
  std::string_view caption;
  TDialogRect rect;
  std::string_view font;  // family name, e.g. "Courier"
  int pointSize = 8;
  std::uint32_t style = 0;
  std::span<const TControlTemplate> controls;
};

// A set of resources by number. The application's module is the one windows
// use when they are given none.
class TModule {
 public:
  void AddMenu(TResId id, const TMenuTemplate& menu) { menus_[id] = &menu; }
  void AddIcon(TResId id, const TIconTemplate& icon) { icons_[id] = &icon; }
  void AddDialog(TResId id, const TDialogTemplate& dialog) { dialogs_[id] = &dialog; }

  // Null when the module has no such resource.
  const TMenuTemplate* FindMenu(TResId id) const { return Lookup(menus_, id); }
  const TIconTemplate* FindIcon(TResId id) const { return Lookup(icons_, id); }
  const TDialogTemplate* FindDialog(TResId id) const { return Lookup(dialogs_, id); }
  // The icon with the lowest number, which stands for the program itself.
  const TIconTemplate* FirstIcon() const {
    return icons_.empty() ? nullptr : icons_.begin()->second;
  }

 private:
  template <class T>
  static const T* Lookup(const std::map<TResId, const T*>& table, TResId id) {
    const auto it = table.find(id);
    return it == table.end() ? nullptr : it->second;
  }
  // The templates are static data of the program; the module only points at them.
  std::map<TResId, const TMenuTemplate*> menus_;
  std::map<TResId, const TIconTemplate*> icons_;
  std::map<TResId, const TDialogTemplate*> dialogs_;
};

}  // namespace framework
