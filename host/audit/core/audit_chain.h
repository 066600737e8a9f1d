// Checking an audit trail: every entry well formed, numbered in order, chained to the
// entry before it and matching its own hash.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "audit/core/audit_entry.h"

namespace audit {

struct TrailCheck {
  bool intact = true;
  uint64_t entries = 0;      // whole entries read, the broken one included
  uint64_t firstBroken = 0;  // 1-based line number of the first broken entry
  std::string reason;        // why it is broken
  std::string headHash;      // hash of the last entry when intact
};

// Checks the whole trail. Removing the last entries leaves a shorter trail that is
// still intact: compare the entry count or the head hash with one kept elsewhere to
// catch that.
TrailCheck VerifyTrail(std::string_view trail, const DigestFunction& digest);

// One line of report for a person: "intact: N entries, head H" or
// "broken at entry N: reason".
std::string DescribeCheck(const TrailCheck& check);

}  // namespace audit
