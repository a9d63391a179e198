// A single-selection list box. A list whose template marks it sorted keeps its
// lines in Spanish collation order, ignoring case, inserting each new line
// after the lines that compare equal to it. In a transfer buffer it takes a
// TPackedListBoxData field, which must hold one: the transfer reaches the
// list data through the address the field keeps.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "framework/t_control.h"
#include "framework/t_list_box_data.h"

namespace framework {

class TListBox : public TControl {
 public:
  TListBox(TWindow* parent, int resourceId, const TModule* module = nullptr);
  bool MatchesKind(TControlKind kind) const override { return kind == TControlKind::ListBox; }

  bool IsSorted() const;
  // Adds a line in its sorted place, or at the end of an unsorted list;
  // returns its position, or -1 when there is no window.
  int AddString(std::string_view str);
  // Inserts at a position (-1: at the end) whether or not the list sorts.
  int InsertString(std::string_view str, int index);
  // Returns the number of lines left, or -1 for a position out of range.
  int DeleteString(int index);
  void ClearList();
  int GetCount() const;
  // The line at a position; empty for a position out of range.
  std::string GetString(int index) const;
  int GetStringLen(int index) const;
  // -1 when no line is selected.
  int GetSelIndex() const;
  // -1 clears the selection; returns the position selected, or -1.
  int SetSelIndex(int index);
  std::uint32_t GetItemData(int index) const;
  bool SetItemData(int index, std::uint32_t itemData);

  std::size_t TransferSize() const override { return sizeof(TPackedListBoxData); }
  std::size_t Transfer(void* buffer, std::size_t size, TTransferDirection direction) override;
  using TWindow::Transfer;
};

}  // namespace framework
