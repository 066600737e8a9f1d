// SHA-256 through the platform's cryptography API (BCrypt).
#pragma once

#include <string_view>

#include "audit/core/audit_entry.h"

namespace audit {

// False when the platform's provider could not be used.
bool Sha256(std::string_view input, Digest& digest);

}  // namespace audit
