// Formatting and taking apart the lines of the audit trail.
#include "audit/core/audit_entry.h"

#include <charconv>
#include <cstdio>
#include <vector>

namespace audit {

namespace {

constexpr std::size_t kFieldCount = 12;
constexpr std::size_t kSeqField = 1, kTextField = 9, kPrevField = 10, kHashField = 11;

bool IsLowerHex(std::string_view text) {
  if (text.size() != kHashHexLength) return false;
  for (char ch : text) {
    if (!((ch >= '0' && ch <= '9') || (ch >= 'a' && ch <= 'f'))) return false;
  }
  return true;
}

std::vector<std::string_view> SplitTabs(std::string_view line) {
  std::vector<std::string_view> fields;
  std::size_t start = 0;
  for (;;) {
    const std::size_t tab = line.find('\t', start);
    fields.push_back(line.substr(start, tab - start));
    if (tab == std::string_view::npos) return fields;
    start = tab + 1;
  }
}

}  // namespace

std::string EscapeField(std::string_view raw) {
  std::string out;
  out.reserve(raw.size());
  for (const char ch : raw) {
    const auto byte = static_cast<unsigned char>(ch);
    switch (ch) {
      case '\\': out += "\\\\"; break;
      case '\t': out += "\\t"; break;
      case '\r': out += "\\r"; break;
      case '\n': out += "\\n"; break;
      default:
        if (byte < 0x20 || byte == 0x7F) {
          static constexpr char kHex[] = "0123456789ABCDEF";
          out += "\\x";
          out += kHex[byte >> 4];
          out += kHex[byte & 0xF];
        } else {
          out += ch;
        }
    }
  }
  return out;
}

std::string FormatUtc(const UtcTime& t) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02dT%02d:%02d:%02d.%03dZ", t.year, t.month,
                t.day, t.hour, t.minute, t.second, t.millisecond);
  return buffer;
}

std::string HexOf(const Digest& digest) {
  static constexpr char kHex[] = "0123456789abcdef";
  std::string hex;
  hex.reserve(kHashHexLength);
  for (uint8_t byte : digest) {
    hex += kHex[byte >> 4];
    hex += kHex[byte & 0xF];
  }
  return hex;
}

std::optional<std::string> FormatEntry(const EventFields& event, const ChainHead& head,
                                       const DigestFunction& digest) {
  std::string line;
  auto field = [&line](std::string_view value) {
    line += value;
    line += '\t';
  };
  field(kEntryTag);
  field(std::to_string(head.seq + 1));
  field(FormatUtc(event.time));
  field(EscapeField(std::string_view(event.user).substr(0, kMaxNameBytes)));
  field(EscapeField(std::string_view(event.computer).substr(0, kMaxNameBytes)));
  for (int32_t number : {event.a, event.b, event.c, event.d}) field(std::to_string(number));
  field(EscapeField(std::string_view(event.text).substr(0, kMaxTextBytes)));
  field(head.hash);
  Digest hash;
  if (!digest(line, hash)) return std::nullopt;
  line += HexOf(hash);
  line += '\n';
  return line;
}

std::optional<EntryLine> ParseEntryLine(std::string_view line) {
  const std::vector<std::string_view> fields = SplitTabs(line);
  if (fields.size() != kFieldCount || fields[0] != kEntryTag) return std::nullopt;
  const std::string_view seqText = fields[kSeqField];
  uint64_t seq = 0;
  const auto [end, error] = std::from_chars(seqText.data(), seqText.data() + seqText.size(), seq);
  if (error != std::errc() || end != seqText.data() + seqText.size() || seqText.empty() ||
      seqText[0] == '0') {
    return std::nullopt;
  }
  if (!IsLowerHex(fields[kPrevField]) || !IsLowerHex(fields[kHashField])) return std::nullopt;
  return EntryLine{seq, fields[kPrevField], fields[kHashField],
                   line.substr(0, line.size() - kHashHexLength), fields[kTextField]};
}

ChainHead HeadOfTail(std::string_view tail) {
  // Only whole lines count: bytes after the last line feed are an entry cut short.
  std::size_t end = tail.rfind('\n');
  while (end != std::string_view::npos && end > 0) {
    const std::size_t start = tail.rfind('\n', end - 1);
    const std::size_t from = start == std::string_view::npos ? 0 : start + 1;
    if (const auto entry = ParseEntryLine(tail.substr(from, end - from))) {
      return ChainHead{entry->seq, std::string(entry->hash)};
    }
    if (start == std::string_view::npos) break;
    end = start;
  }
  return ChainHead{};
}

std::optional<AppendPlan> PlanAppend(std::string_view tail, uint64_t tailStart,
                                     const EventFields& event, std::string_view asideName,
                                     const DigestFunction& digest) {
  const std::size_t lastLineEnd = tail.rfind('\n');
  const std::size_t whole = lastLineEnd == std::string_view::npos ? 0 : lastLineEnd + 1;
  AppendPlan plan{tailStart + whole, std::string(tail.substr(whole)), {}};
  ChainHead head = HeadOfTail(tail);
  if (!plan.torn.empty()) {
    EventFields note = event;
    note.a = note.b = note.c = 0;
    note.d = static_cast<int32_t>(plan.torn.size());  // at most the tail's size
    note.text = std::string(kRecoveryText) + ": the last entry was cut short; its " +
                std::to_string(plan.torn.size()) + " bytes at offset " +
                std::to_string(plan.writeAt) + " were moved to " + std::string(asideName) + ".";
    const std::optional<std::string> line = FormatEntry(note, head, digest);
    if (!line) return std::nullopt;
    plan.text = *line;
    head = HeadOfTail(plan.text);
  }
  const std::optional<std::string> entry = FormatEntry(event, head, digest);
  if (!entry) return std::nullopt;
  plan.text += *entry;
  return plan;
}

}  // namespace audit
