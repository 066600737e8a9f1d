// The dialog-slot table's range rules and the message codes' argument handling (the
// texts themselves are checked through the real message boxes, end to end).
#include <gtest/gtest.h>

#include "hostutil/core/dialog_slots.h"
#include "hostutil/core/host_messages.h"
#include "hostutil/hostutil_types.h"

namespace {

TEST(HostutilSlots, SlotsOutsideTheTableAreRefusedAndLandNowhere) {
  hostutil::DialogSlotTable table;
  int a = 0, b = 0;
  constexpr int kLast = hostutil::DialogSlotTable::kSlotCount - 1;
  EXPECT_TRUE(table.Set(0, &a));
  EXPECT_TRUE(table.Set(kLast, &b));
  for (int slot : {-1, kLast + 1, -2147483647 - 1}) {
    SCOPED_TRACE(slot);
    EXPECT_FALSE(table.Set(slot, &a));
    EXPECT_EQ(table.Get(slot), nullptr);
  }
  EXPECT_EQ(table.Get(0), &a);
  EXPECT_EQ(table.Get(kLast), &b);
  EXPECT_EQ(table.Get(1), nullptr);
}

TEST(HostutilMessages, NullArgumentsReadAsEmptyAndUnknownCodesGiveNothing) {
  const auto custom = hostutil::BuildHostMessage(kMsgCustom, nullptr, nullptr);
  EXPECT_EQ(custom.value_or(hostutil::HostMessage{"x", "y"}).text, "");
  for (int code : {0, 3, -4}) EXPECT_FALSE(hostutil::BuildHostMessage(code, "a", "b")) << code;
}

}  // namespace
