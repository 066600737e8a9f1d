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

TEST(AuditEntry, AnEntryCutShortByACrashIsMovedAsideAndTheRecoveryRecorded) {
  const std::string whole = Join(TrailLines(2));
  const std::string cut = whole + "A1\t3\t2024-05";
  const TrailCheck torn = VerifyTrail(cut, TestDigest);
  EXPECT_EQ(DescribeCheck(torn), "intact: 2 entries, head " + HeadOfTail(whole).hash +
                                     "; the last 12 bytes are an entry cut short by a crash, "
                                     "which the next entry moves aside");
  const EventFields event{{2024, 5, 1, 12, 0, 0, 0}, "bob", "PC", 1, 3, 0, 0, "after"};
  // Planned from a tail read from the middle of a line, as the library reads it.
  const auto plan = PlanAppend(cut.substr(40), 40, event, "audit.log.torn", TestDigest);
  ASSERT_TRUE(plan);
  EXPECT_EQ(plan->writeAt, whole.size());
  EXPECT_EQ(plan->torn, "A1\t3\t2024-05");
  EXPECT_NE(plan->text.find("\t0\t0\t0\t12\tAudit trail recovered after a crash: the last entry "
                            "was cut short; its 12 bytes at offset " +
                            std::to_string(whole.size()) + " were moved to audit.log.torn.\t"),
            std::string::npos)
      << plan->text;
  const TrailCheck recovered = VerifyTrail(whole + plan->text, TestDigest);
  EXPECT_EQ(DescribeCheck(recovered), "intact: 4 entries, head " + HeadOfTail(plan->text).hash +
                                          "; recovered after a crash at entry 3");
  const auto plain = PlanAppend(whole, 0, event, "audit.log.torn", TestDigest);
  EXPECT_EQ(plain->writeAt, whole.size());
  EXPECT_EQ(DescribeCheck(VerifyTrail(whole + plain->text, TestDigest)),
            "intact: 3 entries, head " + HeadOfTail(plain->text).hash);
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
      {"cut short before the last", Join(lines).substr(0, Join(lines).size() - 10) + "\n", 6,
       "well-formed"},
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
