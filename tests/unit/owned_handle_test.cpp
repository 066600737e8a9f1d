// The one handle owner behind every Win32 resource: each handle it was given is freed
// exactly once, whatever moves happen on the way, and its empty value never is.
#include <vector>

#include <gtest/gtest.h>

#include "win32/owned_handle.h"

namespace {

std::vector<int> freed;

void FreeFake(int handle) { freed.push_back(handle); }
constexpr int NoFake() { return -1; }

// Integer handles whose empty value is -1, as a file's is INVALID_HANDLE_VALUE: 0 is a
// handle like any other here.
using Owned = OwnedHandle<int, FreeFake, NoFake>;

class OwnedHandleTest : public testing::Test {
 protected:
  void SetUp() override { freed.clear(); }
};

TEST_F(OwnedHandleTest, FreesItsHandleOnceWhenItEnds) {
  {
    const Owned none;
    const Owned empty(-1);
    const Owned zero(0);
    EXPECT_FALSE(none);
    EXPECT_FALSE(empty);
    EXPECT_TRUE(zero);
    EXPECT_EQ(none.Get(), -1);
  }
  EXPECT_EQ(freed, std::vector<int>{0});
}

TEST_F(OwnedHandleTest, MovesHandOverWithoutFreeing) {
  {
    Owned a(1);
    Owned b(std::move(a));
    EXPECT_FALSE(a);
    EXPECT_EQ(b.Get(), 1);
    EXPECT_TRUE(freed.empty());

    Owned c(2);
    c = std::move(b);  // c's own handle goes first
    EXPECT_EQ(freed, std::vector<int>{2});
    EXPECT_EQ(c.Get(), 1);

    Owned& alias = c;
    c = std::move(alias);  // moving onto itself keeps the handle
    EXPECT_EQ(c.Get(), 1);
    EXPECT_EQ(freed, std::vector<int>{2});
  }
  EXPECT_EQ(freed, (std::vector<int>{2, 1}));
}

TEST_F(OwnedHandleTest, ReleaseGivesUpAndResetFreesNow) {
  Owned released(3);
  EXPECT_EQ(released.Release(), 3);
  EXPECT_FALSE(released);

  Owned reset(4);
  reset.Reset();
  EXPECT_FALSE(reset);
  reset.Reset();  // nothing left to free
  EXPECT_EQ(freed, std::vector<int>{4});
}

}  // namespace
