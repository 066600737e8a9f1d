// The dialog-slot table's range rules and the message codes' argument handling (the
// texts themselves are checked through the real message boxes, end to end).
#include <gtest/gtest.h>

#include "hostutil/core/dialog_slots.h"
#include "hostutil/core/host_messages.h"
#include "hostutil/hostutil_types.h"

namespace {

TEST(HostutilSlots, SlotsHoldTheirOwnWindowAndIgnoreOutOfRange) {
  hostutil::DialogSlotTable table;
  int a = 0, b = 0, c = 0;
  EXPECT_TRUE(table.Set(0, &a));
  EXPECT_TRUE(table.Set(9, &b));
  EXPECT_TRUE(table.Set(hostutil::DialogSlotTable::kSlotCount - 1, &c));
  EXPECT_EQ(table.Get(0), &a);
  EXPECT_EQ(table.Get(9), &b);
  EXPECT_EQ(table.Get(hostutil::DialogSlotTable::kSlotCount - 1), &c);
  EXPECT_EQ(table.Get(8), nullptr);

  for (int slot : {-1, hostutil::DialogSlotTable::kSlotCount, 1 << 30, -2147483647 - 1}) {
    SCOPED_TRACE(slot);
    EXPECT_FALSE(table.Set(slot, &a));
    EXPECT_EQ(table.Get(slot), nullptr);
  }
  EXPECT_EQ(table.Get(0), &a);  // the refused writes did not land anywhere else
  EXPECT_EQ(table.Get(9), &b);

  EXPECT_TRUE(table.Set(9, nullptr));
  EXPECT_EQ(table.Get(9), nullptr);
}

TEST(HostutilMessages, NullArgumentsReadAsEmptyAndUnknownCodesGiveNothing) {
  const auto custom = hostutil::BuildHostMessage(kMsgCustom, nullptr, nullptr);
  ASSERT_TRUE(custom.has_value());
  EXPECT_EQ(custom->caption, "");
  EXPECT_EQ(custom->text, "");
  for (int code : {0, 1, 3, 5, 7, 10, -4}) {
    SCOPED_TRACE(code);
    EXPECT_FALSE(hostutil::BuildHostMessage(code, "a", "b").has_value());
  }
}

}  // namespace
