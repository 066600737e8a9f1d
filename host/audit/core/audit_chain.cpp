// Walking the trail entry by entry and naming the first one that breaks the chain.
#include "audit/core/audit_chain.h"

#include <utility>

namespace audit {

namespace {

TrailCheck Broken(TrailCheck check, uint64_t entry, std::string reason) {
  check.intact = false;
  check.firstBroken = entry;
  check.reason = std::move(reason);
  check.headHash.clear();
  return check;
}

}  // namespace

TrailCheck VerifyTrail(std::string_view trail, const DigestFunction& digest) {
  TrailCheck check;
  ChainHead head;
  std::size_t pos = 0;
  while (pos < trail.size()) {
    const std::size_t end = trail.find('\n', pos);
    if (end == std::string_view::npos) {
      check.tornBytes = trail.size() - pos;
      break;
    }
    const uint64_t number = ++check.entries;
    const std::string_view line = trail.substr(pos, end - pos);
    pos = end + 1;
    const auto entry = ParseEntryLine(line);
    if (!entry) return Broken(check, number, "not a well-formed entry");
    if (entry->seq != head.seq + 1) {
      return Broken(check, number,
                    "numbered " + std::to_string(entry->seq) + " where " +
                        std::to_string(head.seq + 1) +
                        " was expected: an entry was removed or added");
    }
    if (entry->prev != head.hash) {
      return Broken(check, number, "does not chain to the entry before it");
    }
    Digest hash;
    if (!digest(entry->signedPart, hash)) return Broken(check, number, "could not be hashed");
    if (HexOf(hash) != entry->hash) {
      return Broken(check, number, "its content does not match its hash: it was edited");
    }
    if (entry->text.starts_with(kRecoveryText)) check.recoveries.push_back(number);
    head = ChainHead{entry->seq, std::string(entry->hash)};
  }
  check.headHash = head.hash;
  return check;
}

std::string DescribeCheck(const TrailCheck& check) {
  if (check.intact) {
    std::string text =
        "intact: " + std::to_string(check.entries) + " entries, head " + check.headHash;
    for (std::size_t i = 0; i < check.recoveries.size(); ++i) {
      text += (i == 0 ? "; recovered after a crash at entry " : ", ") +
              std::to_string(check.recoveries[i]);
    }
    if (check.tornBytes > 0) {
      text += "; the last " + std::to_string(check.tornBytes) +
              " bytes are an entry cut short by a crash, which the next entry moves aside";
    }
    return text;
  }
  return "broken at entry " + std::to_string(check.firstBroken) + ": " + check.reason;
}

}  // namespace audit
