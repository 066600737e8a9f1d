// Messages to the standard streams and, for a watched run, to message boxes.
#include "gchost/win32/report.h"

#include <windows.h>

#include <cstdio>
#include <string>

namespace gchost {

void ReportFailure(std::string_view text, bool unattended) {
  std::fprintf(stderr, "gchost: %.*s\n", static_cast<int>(text.size()), text.data());
  std::fflush(stderr);
  if (!unattended) {
    MessageBoxA(nullptr, std::string(text).c_str(), kHostTitle, MB_OK | MB_ICONERROR);
  }
}

std::string SystemErrorText(DWORD code) {
  char text[512] = "";
  const DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                      nullptr, code, 0, text, sizeof text, nullptr);
  std::string result(text, length);
  while (!result.empty() &&
         (result.back() == '\n' || result.back() == '\r' || result.back() == ' ')) {
    result.pop_back();
  }
  return "error " + std::to_string(code) + (result.empty() ? "" : ": " + result);
}

namespace {

bool LeadsSomewhere(DWORD stream) {
  const HANDLE handle = GetStdHandle(stream);
  return handle && handle != INVALID_HANDLE_VALUE && GetFileType(handle) != FILE_TYPE_UNKNOWN;
}

}  // namespace

void UseStartingConsole() {
  const bool out = LeadsSomewhere(STD_OUTPUT_HANDLE);
  const bool err = LeadsSomewhere(STD_ERROR_HANDLE);
  if ((out && err) || !AttachConsole(ATTACH_PARENT_PROCESS)) return;
  if (!out) std::freopen("CONOUT$", "w", stdout);
  if (!err) std::freopen("CONOUT$", "w", stderr);
}

}  // namespace gchost
