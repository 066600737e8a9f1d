// The audit trail on disk: where it is, appending one entry under an exclusive lock,
// and reading it whole for the verifier.
#pragma once

#include <string>

#include "audit/core/audit_entry.h"

namespace audit {

inline constexpr const char* kTrailFileName = "audit.log";
// Beside the trail, with this added to its name: the bytes of entries cut short by a
// crash, each followed by a line feed.
inline constexpr const char* kTornSuffix = ".torn";

// audit.log in the folder GCHOST_HOME names, else beside the running program; "" when
// neither is known.
std::string TrailPath();

// Appends the entry for `event` and flushes it, first recovering an entry that a crash
// cut short (PlanAppend); returns LogEvent's result (audit.h).
int AppendEntry(const std::string& path, const EventFields& event);

// The whole trail; false when it cannot be read.
bool ReadTrail(const std::string& path, std::string& content);

}  // namespace audit
