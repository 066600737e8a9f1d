// MsgReport: the host's standard messages, shown modal to whatever window of this
// thread is active (the editor that asked), so the user answers before going on.
#include "hostutil.h"

#include <cstdarg>

#include "no_throw.h"
#include "hostutil/core/host_messages.h"

namespace {

UINT IconStyle(hostutil::MessageIcon icon) {
  switch (icon) {
    case hostutil::MessageIcon::kWarning: return MB_ICONEXCLAMATION;
    case hostutil::MessageIcon::kError: return MB_ICONSTOP;
    case hostutil::MessageIcon::kNone: break;
  }
  return 0;
}

}  // namespace

HOSTUTIL_API int __cdecl MsgReport(int code, ...) {
  // Only the arguments the code takes may be read: reading past them is undefined.
  const char* first = nullptr;
  const char* second = nullptr;
  va_list arguments;
  va_start(arguments, code);
  switch (code) {
    case kMsgCustom:
    case kMsgDatabaseNotWritten:
      first = va_arg(arguments, const char*);
      second = va_arg(arguments, const char*);
      break;
    case kMsgValueOutOfRange:
    case kMsgDatabaseNotOpened:
    case kMsgPathTooLong: first = va_arg(arguments, const char*); break;
    default: break;
  }
  va_end(arguments);

  return NoThrow(0, [&] {
    const auto message = hostutil::BuildHostMessage(code, first, second);
    if (!message) return 0;
    return MessageBoxA(GetActiveWindow(), message->text.c_str(), message->caption.c_str(),
                       MB_OK | IconStyle(message->icon));
  });
}
