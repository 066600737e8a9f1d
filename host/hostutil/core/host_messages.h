// The texts of the host's standard messages (MsgReport), by message code.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace hostutil {

inline constexpr std::string_view kHostCaption = "GC Host";

enum class MessageIcon { kNone, kWarning, kError };

struct HostMessage {
  std::string caption;
  std::string text;
  MessageIcon icon = MessageIcon::kNone;
};

// The message for `code` built from its further arguments (`first`, `second`; unused
// ones are ignored, and a null argument reads as empty). Nothing for an unknown code.
std::optional<HostMessage> BuildHostMessage(int code, const char* first, const char* second);

}  // namespace hostutil
