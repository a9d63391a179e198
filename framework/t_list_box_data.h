// The list transfer record: a list box's lines, a 32-bit value per line and
// the positions of the selected lines.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace framework {

class TListBoxData {
 public:
  // Windows-1252 lines, in order.
  std::vector<std::string> Strings;
  // One value per line when the list holds values; may be shorter than
  // Strings when lines were added without one.
  std::vector<std::uint32_t> ItemDatas;
  // Positions in Strings of the selected lines, in the order they were selected.
  std::vector<int> SelIndices;

  void AddString(std::string_view str, bool isSelected = false);
  void AddStringItem(std::string_view str, std::uint32_t itemData, bool isSelected = false);
  // Marks a line as selected; a position outside Strings or one already
  // selected changes nothing.
  void Select(int index);
  void ResetSelections() { SelIndices.clear(); }
  void Clear();
  int GetSelCount() const { return static_cast<int>(SelIndices.size()); }

  friend bool operator==(const TListBoxData&, const TListBoxData&) = default;
};

// TListBoxData as a field of a packed transfer buffer. A transfer buffer is a
// record without padding, so a field may begin at any byte; a TListBoxData
// there (vectors, pointers) would be accessed misaligned. This holder keeps
// only the address of a TListBoxData it owns, stored as plain bytes and read
// with memcpy, so it has alignment 1 and every access to the data itself is
// aligned. Copies are deep, so a record that holds one copies like a value.
class TPackedListBoxData {
 public:
  TPackedListBoxData();
  TPackedListBoxData(const TPackedListBoxData& other);
  TPackedListBoxData& operator=(const TPackedListBoxData& other);
  ~TPackedListBoxData();

  TListBoxData& operator*() const { return *Load(); }
  TListBoxData* operator->() const { return Load(); }
  TListBoxData& Get() const { return *Load(); }

  // The data of the holder whose bytes begin at field, as a control finds it
  // while walking a transfer buffer.
  static TListBoxData& At(void* field);

 private:
  TListBoxData* Load() const;
  void Store(TListBoxData* data);
  unsigned char bytes_[sizeof(TListBoxData*)];
};

static_assert(alignof(TPackedListBoxData) == 1);
static_assert(sizeof(TPackedListBoxData) == sizeof(TListBoxData*));

}  // namespace framework
