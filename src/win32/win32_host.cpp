// HostPort over the host's libraries: each call is one library call, no decisions.
#include "win32/win32_host.h"

#include <windows.h>

#include <vector>

#include "entry/module.h"
#include "audit.h"
#include "hostutil.h"
#include "recdb.h"
#include "win32/win32_dialog.h"

namespace {
constexpr const char* kFileList = "SystemList";
constexpr const char* kMethodDbEntry = "GC_DB";
}  // namespace

void Win32Host::SetDialogSlot(int slot, WindowRef window) {
  SetGlobalDialogWnd(slot, ToHwnd(window));
}

bool Win32Host::GetIniWindPos(std::string_view section, std::string_view key, WindowPos& pos) {
  return ::GetIniWindPos(std::string(section).c_str(), std::string(key).c_str(), 0, &pos) != 0;
}

void Win32Host::SetIniWindPos(std::string_view section, std::string_view key,
                              const WindowPos& pos) {
  ::SetIniWindPos(std::string(section).c_str(), std::string(key).c_str(), &pos, 1);
}

WindowPos Win32Host::ObtainWindPos(WindowRef window) {
  WindowPos pos{};
  ::ObtainWindPos(ToHwnd(window), &pos);
  return pos;
}

std::string Win32Host::GetIniString(std::string_view section, std::string_view key,
                                    std::string_view defaultText, int bufferSize) {
  std::vector<char> buffer(bufferSize > 0 ? bufferSize : 1, '\0');
  ::GetIniString(std::string(section).c_str(), std::string(key).c_str(),
                 std::string(defaultText).c_str(), buffer.data(), bufferSize);
  buffer.back() = '\0';
  return buffer.data();
}

std::string Win32Host::Ftoa(double value, int decimals) {
  char buffer[kFtoaBufferSize] = "";
  ::ftoa(value, buffer, decimals);
  buffer[kFtoaBufferSize - 1] = '\0';
  return buffer;
}

void Win32Host::ReportMessage(std::string_view caption, std::string_view text) {
  MsgReport(kMsgCustom, std::string(caption).c_str(), std::string(text).c_str());
}

void Win32Host::ReportOutOfRange(std::string_view item) {
  MsgReport(kMsgValueOutOfRange, std::string(item).c_str());
}

void Win32Host::ReportDatabaseNotOpened(std::string_view name) {
  MsgReport(kMsgDatabaseNotOpened, std::string(name).c_str());
}

void Win32Host::GetGlobalFile(GlobalFileEntry& entry) {
  ::GetGlobalFile(kFileList, kMethodDbEntry, &entry, &entry);
}

void Win32Host::SetGlobalFile(const GlobalFileEntry& entry) {
  ::SetGlobalFile(kFileList, kMethodDbEntry, &entry, 1);
}

int Win32Host::GenGetNormalFile(WindowRef owner, FileRequest& request) {
  return ::GenGetNormalFile(moduleInstance, ToHwnd(owner), &request);
}

int Win32Host::GenSetNormalFile(WindowRef owner, FileRequest& request) {
  return ::GenSetNormalFile(moduleInstance, ToHwnd(owner), &request);
}

int Win32Host::DB3Open(int database, int reserved, int mode) {
  return ::DB3Open(database, reserved, mode);
}

int Win32Host::DB3HandleRecord(int database, int record, void* buffer, int operation, int flag) {
  return ::DB3HandleRecord(database, record, buffer, operation, flag);
}

int Win32Host::DB3Close(int database) { return ::DB3Close(database); }

int Win32Host::LogEvent(int source, int kind, int detail, std::string_view text, int extra) {
  return ::LogEvent(source, kind, detail, std::string(text).c_str(), extra);
}
