#include "framework/t_list_box_data.h"

#include <cstring>

namespace framework {

void TListBoxData::AddString(std::string_view str, bool isSelected) {
  Strings.emplace_back(str);
  if (isSelected)
    Select(static_cast<int>(Strings.size()) - 1);
}

void TListBoxData::AddStringItem(std::string_view str, std::uint32_t itemData, bool isSelected) {
  // Values belong to lines by position, so lines added before without a
  // value get 0.
  ItemDatas.resize(Strings.size(), 0);
  ItemDatas.push_back(itemData);
  AddString(str, isSelected);
}

void TListBoxData::Select(int index) {
  if (index < 0 || index >= static_cast<int>(Strings.size()))
    return;
  for (const int selected : SelIndices) {
    if (selected == index)
      return;
  }
  SelIndices.push_back(index);
}

void TListBoxData::Clear() {
  Strings.clear();
  ItemDatas.clear();
  SelIndices.clear();
}

TPackedListBoxData::TPackedListBoxData() {
  Store(new TListBoxData());
}

TPackedListBoxData::TPackedListBoxData(const TPackedListBoxData& other) {
  Store(new TListBoxData(other.Get()));
}

TPackedListBoxData& TPackedListBoxData::operator=(const TPackedListBoxData& other) {
  if (this != &other)
    Get() = other.Get();
  return *this;
}

TPackedListBoxData::~TPackedListBoxData() {
  delete Load();
}

TListBoxData& TPackedListBoxData::At(void* field) {
  TListBoxData* data = nullptr;
  std::memcpy(&data, field, sizeof data);
  return *data;
}

TListBoxData* TPackedListBoxData::Load() const {
  TListBoxData* data = nullptr;
  std::memcpy(&data, bytes_, sizeof data);
  return data;
}

void TPackedListBoxData::Store(TListBoxData* data) {
  std::memcpy(bytes_, &data, sizeof data);
}

}  // namespace framework
