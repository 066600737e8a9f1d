// Fuzz target: an audit trail as auditverify checks it and as the audit library appends
// to it. The input is the trail. The check is described as auditverify prints it; then an
// entry is appended as the library plans it from the trail's end, and a trail that was
// intact must stay intact with one entry more (two after a recovery). The digest is a
// cheap stand-in for SHA-256, so that the fuzzer can forge the hashes of its entries and
// reach past the first one.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "audit/core/audit_chain.h"
#include "audit/core/audit_entry.h"

namespace {

void Require(bool holds) {
  if (!holds) __builtin_trap();
}

// FNV-1a, spread over the digest's bytes.
bool CheapDigest(std::string_view input, audit::Digest& out) {
  uint64_t hash = 14695981039346656037ull;
  for (const char c : input) hash = (hash ^ static_cast<uint8_t>(c)) * 1099511628211ull;
  for (std::size_t i = 0; i < out.size(); ++i) out[i] = static_cast<uint8_t>(hash >> 8 * (i % 8));
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  const std::string_view trail(reinterpret_cast<const char*>(data), size);
  const audit::TrailCheck check = audit::VerifyTrail(trail, CheapDigest);
  audit::DescribeCheck(check);

  // The library reads no more than the trail's last kTailBytes to append.
  const std::size_t tailStart = size > audit::kTailBytes ? size - audit::kTailBytes : 0;
  const audit::EventFields event{
      {2024, 5, 1, 12, 34, 56, 789},    "user\tname", "LAB-PC", 1, 2, 3, 4,
      std::string(trail.substr(0, 300))};
  const auto plan =
      audit::PlanAppend(trail.substr(tailStart), tailStart, event, "audit.log.torn", CheapDigest);
  Require(plan.has_value());
  if (!check.intact || tailStart > 0) return 0;
  const std::string appended = std::string(trail.substr(0, plan->writeAt)) + plan->text;
  const audit::TrailCheck after = audit::VerifyTrail(appended, CheapDigest);
  Require(after.intact && after.tornBytes == 0);
  Require(after.entries == check.entries + (check.tornBytes > 0 ? 2 : 1));
  return 0;
}
