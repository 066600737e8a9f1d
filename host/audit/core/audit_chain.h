// Checking an audit trail: every entry well formed, numbered in order, chained to the
// entry before it and matching its own hash.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "audit/core/audit_entry.h"

namespace audit {

struct TrailCheck {
  bool intact = true;
  uint64_t entries = 0;              // whole entries read, the broken one included
  uint64_t firstBroken = 0;          // 1-based line number of the first broken entry
  std::string reason;                // why it is broken
  std::string headHash;              // hash of the last entry when intact
  std::vector<uint64_t> recoveries;  // the entries that record a recovery after a crash
  std::size_t tornBytes = 0;         // an entry cut short by a crash after the last one
};

// Checks the whole trail. Bytes after the last line feed are an entry that a crash cut
// short: they break nothing before them, and the next append moves them aside, so the
// trail is intact and the check counts them. Removing the last entries leaves a shorter
// trail that is still intact: compare the entry count or the head hash with one kept
// elsewhere to catch that.
TrailCheck VerifyTrail(std::string_view trail, const DigestFunction& digest);

// One line of report for a person: "intact: N entries, head H", followed by the
// recoveries and a torn end if there are any, or "broken at entry N: reason".
std::string DescribeCheck(const TrailCheck& check);

}  // namespace audit
