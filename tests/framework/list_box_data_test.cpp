// The list transfer record keeps its positions consistent whatever it is asked.
#include <gtest/gtest.h>

#include "framework/t_list_box_data.h"

namespace {

TEST(ListBoxData, SelectionsNameExistingLinesOnce) {
  framework::TListBoxData data;
  data.AddString("a");
  data.AddString("b", true);
  data.Select(1);   // already selected
  data.Select(2);   // no such line
  data.Select(-1);  // no such line
  data.Select(0);
  EXPECT_EQ(data.SelIndices, (std::vector<int>{1, 0}));
  EXPECT_EQ(data.GetSelCount(), 2);
  // A value added after lines without one lines up with its own line.
  data.AddStringItem("c", 7);
  EXPECT_EQ(data.ItemDatas, (std::vector<std::uint32_t>{0, 0, 7}));
  data.Clear();
  EXPECT_TRUE(data.Strings.empty() && data.ItemDatas.empty() && data.SelIndices.empty());
}

}  // namespace
