// Message texts of the host's standard messages.
#include "hostutil/core/host_messages.h"

#include "hostutil/core/path_parts.h"
#include "hostutil/hostutil_types.h"

namespace hostutil {

namespace {
std::string Text(const char* argument) { return argument ? argument : ""; }
}  // namespace

std::optional<HostMessage> BuildHostMessage(int code, const char* first, const char* second) {
  switch (code) {
    case kMsgValueOutOfRange:
      return HostMessage{std::string(kHostCaption),
                         "The value of \"" + Text(first) + "\" is out of range.",
                         MessageIcon::kWarning};
    case kMsgDatabaseNotOpened:
      return HostMessage{std::string(kHostCaption),
                         "The database \"" + Text(first) + "\" could not be opened.",
                         MessageIcon::kError};
    case kMsgCustom: return HostMessage{Text(first), Text(second), MessageIcon::kNone};
    case kMsgDatabaseNotWritten:
      return HostMessage{std::string(kHostCaption),
                         "The database \"" + Text(first) + "\" could not be written: " +
                             Text(second) + ".\n\nNothing was saved; the file is as it was.",
                         MessageIcon::kError};
    case kMsgPathTooLong:
      return HostMessage{std::string(kHostCaption),
                         "This path is longer than the " + std::to_string(kMaxFullPath) +
                             " characters that the host's file registry holds:\n\n" + Text(first) +
                             "\n\nChoose a shorter folder or file name.",
                         MessageIcon::kWarning};
    default: return std::nullopt;
  }
}

}  // namespace hostutil
