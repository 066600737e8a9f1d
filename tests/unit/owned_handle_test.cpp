// The one handle owner behind every Win32 resource: each handle it was given is freed
// exactly once, whatever moves happen on the way, and its empty value never is.
#include <vector>

#include <gtest/gtest.h>

#include "win32/owned_handle.h"

namespace {

std::vector<int> freed;

void FreeFake(int handle) { freed.push_back(handle); }
constexpr int NoFake() { return -1; }

// Empty is -1, as a file's is INVALID_HANDLE_VALUE: 0 is a handle like any other here.
using Owned = OwnedHandle<int, FreeFake, NoFake>;

TEST(OwnedHandle, EachHandleIsFreedOnceWhereverItWasMoved) {
  freed.clear();
  {
    const Owned empty;
    Owned given(3);
    EXPECT_EQ(given.Release(), 3);  // now the caller's to free
    Owned a(0);
    Owned b(std::move(a));
    Owned c(2);
    c = std::move(b);  // c's own handle goes first
    EXPECT_EQ(freed, std::vector<int>{2});
  }
  EXPECT_EQ(freed, (std::vector<int>{2, 0}));
}

}  // namespace
