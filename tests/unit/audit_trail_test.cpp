// The audit trail's entry format and hash chain, with a stand-in digest (the DLL's
// SHA-256 is checked under Wine): every kind of tampering is named at the right entry.
#include <gtest/gtest.h>

#include <numeric>
#include <string>
#include <tuple>
#include <vector>

#include "audit/core/audit_chain.h"
#include "audit/core/audit_entry.h"

namespace {

using namespace audit;

// Not a cryptographic hash, but any change of the input changes the output.
bool TestDigest(std::string_view input, Digest& out) {
  const size_t h = std::hash<std::string_view>{}(input);
  for (size_t i = 0; i < out.size(); ++i) out[i] = static_cast<uint8_t>(h >> (8 * (i % 8)));
  return true;
}

std::string EntryAfter(const std::string& trail, std::string text) {
  const EventFields event{
      {2024, 5, 1, 12, 34, 56, 7}, "alice", "LAB-PC", 1, 3, 0, 0, std::move(text)};
  return FormatEntry(event, HeadOfTail(trail), TestDigest).value_or("(no entry)\n");
}

// A trail's lines as the DLL writes them: each entry continues from the trail's end.
std::vector<std::string> TrailLines(int entries) {
  std::vector<std::string> lines;
  std::string trail;
  for (int i = 1; i <= entries; ++i)
    trail += lines.emplace_back(EntryAfter(trail, "event " + std::to_string(i)));
  return lines;
}

std::string Join(const std::vector<std::string>& lines) {
  return std::accumulate(lines.begin(), lines.end(), std::string());
}

TEST(AuditEntry, TheNextEntryChainsToTheLastWholeOne) {
  // A crash cut the third entry short; the next one chains to the second, on a line of
  // its own, and the check names the cut one.
  const std::string cut = Join(TrailLines(2)) + "A1\t3\t2024-05";
  EXPECT_EQ(HeadOfTail(cut).seq, 2u);
  EXPECT_EQ(HeadOfTail(cut.substr(40)).seq, 2u) << "a tail read from the middle of a line";
  const TrailCheck check = VerifyTrail(cut + "\n" + EntryAfter(cut, "after crash"), TestDigest);
  EXPECT_EQ(check.firstBroken, 3u);
  EXPECT_NE(check.reason.find("well-formed"), std::string::npos) << check.reason;
}

TEST(AuditChain, AnUntouchedTrailIsIntactAndTamperingIsNamedAtTheFirstBrokenEntry) {
  const auto lines = TrailLines(6);
  const TrailCheck untouched = VerifyTrail(Join(lines), TestDigest);
  EXPECT_TRUE(untouched.intact) << DescribeCheck(untouched);
  EXPECT_EQ(untouched.entries, 6u);
  EXPECT_EQ(untouched.headHash, HeadOfTail(Join(lines)).hash);
  EXPECT_TRUE(VerifyTrail("", TestDigest).intact);
  auto changed = [&](size_t index, std::string_view from, std::string_view to) {
    auto copy = lines;
    copy[index].replace(copy[index].find(from), from.size(), to);
    return Join(copy);
  };
  // Entry 3 edited and given a fresh hash of its own: its successor no longer chains.
  const std::string rehashed = EntryAfter(lines[0] + lines[1], "event X");
  const std::tuple<const char*, std::string, uint64_t, const char*> cases[] = {
      {"text edited", changed(2, "event 3", "event 9"), 3, "edited"},
      {"hash edited", changed(4, lines[4].substr(lines[4].size() - 65, 64), std::string(64, 'a')),
       5, "edited"},
      {"hash in capitals",
       changed(4, lines[4].substr(lines[4].size() - 65, 64), std::string(64, 'A')), 5,
       "well-formed"},
      {"hash one digit short", changed(4, lines[4].substr(lines[4].size() - 2), "\n"), 5,
       "well-formed"},
      {"first removed", Join({lines.begin() + 1, lines.end()}), 1, "removed"},
      {"middle removed", Join({lines[0], lines[1], lines[2], lines[4]}), 4, "removed"},
      {"entries swapped", Join({lines[0], lines[2], lines[1], lines[3]}), 2, "removed"},
      {"edited and rehashed", Join({lines[0], lines[1], rehashed, lines[3]}), 4, "chain"},
      {"last cut short", Join(lines).substr(0, Join(lines).size() - 10), 6, "cut short"},
  };
  for (const auto& [what, trail, broken, reasonPart] : cases) {
    SCOPED_TRACE(what);
    const TrailCheck check = VerifyTrail(trail, TestDigest);
    EXPECT_FALSE(check.intact);
    EXPECT_NE(check.reason.find(reasonPart), std::string::npos) << check.reason;
    EXPECT_EQ(DescribeCheck(check).find("broken at entry " + std::to_string(broken)), 0u)
        << DescribeCheck(check);
  }
}

}  // namespace
