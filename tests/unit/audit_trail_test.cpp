// The audit trail's entry format and hash chain, with a stand-in digest (the DLL's
// SHA-256 is checked under Wine): every kind of tampering is named at the right entry.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "audit/core/audit_chain.h"
#include "audit/core/audit_entry.h"

namespace {

using namespace audit;

// Not a cryptographic hash, but every input byte changes every output byte.
bool TestDigest(std::string_view input, Digest& out) {
  for (size_t lane = 0; lane < 4; ++lane) {
    uint64_t h = 1469598103934665603ull ^ (lane * 0x9E3779B97F4A7C15ull);
    for (unsigned char ch : input) h = (h ^ ch) * 1099511628211ull;
    for (size_t i = 0; i < 8; ++i) out[lane * 8 + i] = static_cast<uint8_t>(h >> (8 * i));
  }
  return true;
}

EventFields Event(std::string text) {
  return EventFields{{2024, 5, 1, 12, 34, 56, 7}, "alice", "LAB-PC", 1, 3, 0, 0, std::move(text)};
}

// A trail written as the DLL writes it: each entry continues from the trail's end.
std::string TrailOf(int entries) {
  std::string trail;
  for (int i = 1; i <= entries; ++i) {
    const auto line =
        FormatEntry(Event("event " + std::to_string(i)), HeadOfTail(trail), TestDigest);
    EXPECT_TRUE(line.has_value());
    trail += line.value_or("");
  }
  return trail;
}

std::vector<std::string> Lines(const std::string& trail) {
  std::vector<std::string> lines;
  size_t pos = 0;
  while (pos < trail.size()) {
    const size_t end = trail.find('\n', pos);
    lines.push_back(trail.substr(pos, end - pos + 1));
    pos = end + 1;
  }
  return lines;
}

std::string Join(const std::vector<std::string>& lines) {
  std::string out;
  for (const auto& l : lines) out += l;
  return out;
}

TEST(AuditEntry, IsOneLineOfTwelveFieldsWithTheTextEscaped) {
  const auto line =
      FormatEntry(Event("TOVREX setup file written to disk.\r\nFilename : C:\\DATA\\M1.DB\t\x01"),
                  ChainHead{}, TestDigest);
  ASSERT_TRUE(line);
  ASSERT_EQ(line->find('\n'), line->size() - 1);
  EXPECT_EQ(line->find('\r'), std::string::npos);
  const std::string want =
      "A1\t1\t2024-05-01T12:34:56.007Z\talice\tLAB-PC\t1\t3\t0\t0\t"
      "TOVREX setup file written to disk.\\r\\nFilename : C:\\\\DATA\\\\M1.DB\\t\\x01\t" +
      std::string(64, '0') + "\t";
  EXPECT_EQ(line->substr(0, want.size()), want);
  Digest hash;
  TestDigest(want, hash);
  EXPECT_EQ(line->substr(want.size()), HexOf(hash) + "\n");
}

TEST(AuditEntry, OverlongTextAndNamesAreCut) {
  EventFields event = Event(std::string(kMaxTextBytes + 50, 'x'));
  event.user = std::string(kMaxNameBytes + 9, 'u');
  const auto line = FormatEntry(event, ChainHead{}, TestDigest);
  ASSERT_TRUE(line);
  EXPECT_NE(line->find(std::string(kMaxTextBytes, 'x') + "\t"), std::string::npos);
  EXPECT_EQ(line->find(std::string(kMaxTextBytes + 1, 'x')), std::string::npos);
  EXPECT_EQ(line->find(std::string(kMaxNameBytes + 1, 'u')), std::string::npos);
  EXPECT_LT(line->size(), kTailBytes / 2);
}

TEST(AuditEntry, AFailedDigestWritesNoEntry) {
  auto failing = [](std::string_view, Digest&) { return false; };
  EXPECT_FALSE(FormatEntry(Event("x"), ChainHead{}, failing));
}

TEST(AuditEntry, HeadComesFromTheLastWholeEntry) {
  const std::string trail = TrailOf(3);
  const auto lines = Lines(trail);
  const ChainHead head = HeadOfTail(trail);
  EXPECT_EQ(head.seq, 3u);
  EXPECT_EQ(head.hash + "\n", lines[2].substr(lines[2].size() - 65));

  // An entry cut short by a crash, or a tail read from the middle of a line.
  EXPECT_EQ(HeadOfTail(trail + "A1\t4\t2024").seq, 3u);
  EXPECT_EQ(HeadOfTail(trail.substr(40)).seq, 3u);
  EXPECT_EQ(HeadOfTail(lines[0].substr(10) + lines[1]).seq, 2u);
  EXPECT_EQ(HeadOfTail(trail + "garbage\n").seq, 3u);
  EXPECT_EQ(HeadOfTail("").seq, 0u);
  EXPECT_EQ(HeadOfTail("").hash, std::string(64, '0'));
}

TEST(AuditChain, AnUntouchedTrailIsIntact) {
  for (int n : {0, 1, 6}) {
    SCOPED_TRACE(n);
    const std::string trail = TrailOf(n);
    const TrailCheck check = VerifyTrail(trail, TestDigest);
    EXPECT_TRUE(check.intact) << DescribeCheck(check);
    EXPECT_EQ(check.entries, static_cast<uint64_t>(n));
    EXPECT_EQ(check.headHash, HeadOfTail(trail).hash);
  }
}

TEST(AuditChain, TamperingIsNamedAtTheFirstBrokenEntry) {
  const auto lines = Lines(TrailOf(6));
  auto edited = [&](size_t index, size_t at, char ch) {
    auto copy = lines;
    copy[index][at] = ch;
    return Join(copy);
  };
  auto without = [&](size_t index) {
    auto copy = lines;
    copy.erase(copy.begin() + index);
    return Join(copy);
  };
  auto swapped = lines;
  std::swap(swapped[1], swapped[2]);
  // Entry 3 edited and given a fresh hash of its own: its successor no longer chains.
  auto rehashed = lines;
  {
    std::string body = rehashed[2].substr(0, rehashed[2].size() - 65);
    body.replace(body.find("event 3"), 7, "event X");
    Digest hash;
    TestDigest(body, hash);
    rehashed[2] = body + HexOf(hash) + "\n";
  }
  const size_t textAt = lines[2].find("event 3");
  const size_t userAt = lines[3].find("alice");
  struct Case {
    const char* what;
    std::string trail;
    uint64_t broken;
    const char* reasonPart;
  } cases[] = {
      {"text edited", edited(2, textAt + 6, '9'), 3, "edited"},
      {"user edited", edited(3, userAt, 'A'), 4, "edited"},
      {"hash edited",
       edited(4, lines[4].size() - 2, lines[4][lines[4].size() - 2] == 'a' ? 'b' : 'a'), 5,
       "edited"},
      {"first removed", without(0), 1, "removed"},
      {"middle removed", without(3), 4, "removed"},
      {"entries swapped", Join(swapped), 2, "removed"},
      {"edited and rehashed", Join(rehashed), 4, "chain"},
      {"last cut short", Join(lines).substr(0, Join(lines).size() - 10), 6, "cut short"},
      {"line feed removed", edited(1, lines[1].size() - 1, ' '), 2, "well-formed"},
      {"blank line inserted", lines[0] + "\n" + Join({lines.begin() + 1, lines.end()}), 2,
       "well-formed"},
      {"carriage return added", edited(0, lines[0].size() - 1, '\r') + "\n", 1, "well-formed"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const TrailCheck check = VerifyTrail(c.trail, TestDigest);
    EXPECT_FALSE(check.intact);
    EXPECT_EQ(check.firstBroken, c.broken);
    EXPECT_NE(check.reason.find(c.reasonPart), std::string::npos) << check.reason;
    EXPECT_EQ(DescribeCheck(check).find("broken at entry " + std::to_string(c.broken)), 0u);
  }
}

TEST(AuditChain, AnEntryAppendedAfterACutShortOneIsStillChecked) {
  // A crash cut the last entry short; the next entry starts on a line of its own and
  // chains to the last whole entry, and the check names the cut one.
  std::string trail = TrailOf(2) + "A1\t3\t2024-05";
  const auto next = FormatEntry(Event("after crash"), HeadOfTail(trail), TestDigest);
  ASSERT_TRUE(next);
  trail += "\n" + *next;
  const TrailCheck check = VerifyTrail(trail, TestDigest);
  EXPECT_EQ(check.firstBroken, 3u);
  EXPECT_NE(check.reason.find("well-formed"), std::string::npos);
}

}  // namespace
