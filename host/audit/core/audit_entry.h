// One entry of the audit trail as one line of text, chained to the entry before it.
//
// An entry is twelve fields separated by tabs and ended by a line feed:
//   A1  seq  time  user  computer  a  b  c  d  text  prev  hash
// A1 is the format's tag; seq counts entries from 1; time is UTC in ISO 8601 form
// (2024-05-01T12:34:56.789Z); user and computer are the Windows names; a, b, c and d
// are LogEvent's four numbers in decimal; text is LogEvent's text. In user, computer
// and text a backslash, a tab, a carriage return and a line feed are written as \\, \t,
// \r and \n and any other control byte as \xHH, so that an entry is always one line.
// prev is the hash of the entry before (64 zeros for the first) and hash the SHA-256,
// in lower-case hex, of the entry's line up to and including the tab before it.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace audit {

using Digest = std::array<uint8_t, 32>;
// Computes the SHA-256 of its input; false when the platform could not.
using DigestFunction = std::function<bool(std::string_view, Digest&)>;

inline constexpr std::string_view kEntryTag = "A1";
inline constexpr std::size_t kHashHexLength = 64;
// LogEvent keeps at most this many bytes of a text, so that an entry's line stays
// short enough to be found again by reading the end of the trail.
inline constexpr std::size_t kMaxTextBytes = 4096;
inline constexpr std::size_t kMaxNameBytes = 256;
// Enough of the trail's end to hold its last entry whole.
inline constexpr std::size_t kTailBytes = 65536;

struct UtcTime {
  int year, month, day, hour, minute, second, millisecond;
};

struct EventFields {
  UtcTime time;
  std::string user;
  std::string computer;
  int32_t a, b, c, d;
  std::string text;
};

// Where the next entry continues the chain.
struct ChainHead {
  uint64_t seq = 0;  // of the last entry; 0 for an empty trail
  std::string hash = std::string(kHashHexLength, '0');
};

std::string EscapeField(std::string_view raw);
std::string FormatUtc(const UtcTime& time);
std::string HexOf(const Digest& digest);

// The line (with its line feed) of the entry that follows `head`; nullopt when the
// digest failed. Text and names beyond their bounds are cut.
std::optional<std::string> FormatEntry(const EventFields& event, const ChainHead& head,
                                       const DigestFunction& digest);

// A line (without its line feed) taken apart; nullopt when it is not a well-formed entry.
struct EntryLine {
  uint64_t seq;
  std::string_view prev;
  std::string_view hash;
  std::string_view signedPart;  // the line up to and including the tab before the hash
  std::string_view text;        // the text field, escaped
};
std::optional<EntryLine> ParseEntryLine(std::string_view line);

// The head of a trail from its last bytes: the last whole, well-formed line's sequence
// number and hash. A tail with no such line gives the empty trail's head.
ChainHead HeadOfTail(std::string_view tail);

// How the text of the entry that records a recovery begins (see PlanAppend).
inline constexpr std::string_view kRecoveryText = "Audit trail recovered after a crash";

// What one append writes, decided from the trail's last bytes (`tail`, which starts at
// byte `tailStart` of the trail). A crash can cut the last entry short; such bytes after
// the last line feed would break the chain for good, so they are kept aside (in
// `asideName`) and overwritten by an entry that records the recovery, and the event's
// entry follows it.
struct AppendPlan {
  uint64_t writeAt =
      0;             // the end of the last whole entry: the text goes here, the file ends after it
  std::string torn;  // the bytes after it, to be kept aside before they are overwritten
  std::string text;  // the recovery entry (when something was torn) and the event's entry
};
std::optional<AppendPlan> PlanAppend(std::string_view tail, uint64_t tailStart,
                                     const EventFields& event, std::string_view asideName,
                                     const DigestFunction& digest);

}  // namespace audit
