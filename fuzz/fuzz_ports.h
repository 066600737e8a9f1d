// What the fuzz targets put behind the editor's seams. FormDialog keeps what is written
// to its controls and reads it back, as a window's fields do, so a method shown and then
// validated takes the same path as in the editor. FuzzHost answers through the utility
// library's own cores (number formatting, position text, path splitting, bounded copies)
// as its DLL does, and keeps the method database's record 1 in memory.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "bounded_copy.h"
#include "hostutil/core/number_format.h"
#include "hostutil/core/path_parts.h"
#include "hostutil/core/window_pos_text.h"
#include "storage/method_record.h"
#include "ui/dialog_port.h"
#include "ui/host_port.h"

class FormDialog final : public DialogPort {
 public:
  std::map<int, std::string> text;
  std::map<int, bool> checked;
  Answer answer = Answer::kNo;  // to every question

  std::string ControlText(int id) override { return text[id]; }
  void SetControlText(int id, std::string_view value) override { text[id] = value; }
  bool IsChecked(int id) override { return checked[id]; }
  void SetChecked(int id, bool value) override { checked[id] = value; }
  void EnableControl(int, bool) override {}
  void FocusControl(int) override {}
  void SelectAllText(int) override {}
  int FocusedControlId() override { return 0; }
  void ClearList(int) override {}
  void AddListItem(int, std::string_view) override {}
  void SelectListItem(int, std::string_view) override {}
  int SelectedListItem(int) override { return -1; }
  WindowRef Self() override { return 1; }
  WindowRef Owner() override { return 2; }
  void SetTitle(std::string_view) override {}
  bool IsMinimised() override { return false; }
  bool IsShown() override { return true; }
  void MoveTo(int, int) override {}
  PixelRect WindowRect() override { return {0, 0, 400, 300}; }
  int CaptionHeight() override { return 18; }
  bool IsOnScreen(const PixelRect& a) override { return a.left < 1024 && a.top < 768; }
  std::optional<PixelRect> NearestWorkArea(const PixelRect&) override {
    return PixelRect{0, 0, 1024, 740};
  }
  void Invalidate() override {}
  void PostClose() override {}
  void Destroy() override {}
  void Beep() override {}
  Answer Ask(std::string_view, std::string_view, AskKind) override { return answer; }
  int RunDialog(ModalDialog) override { return 0; }
  void EndDialog(int) override {}
  void ShowHelp(std::string_view, int) override {}
  void EnableMenuItem(int, bool) override {}
  void RemoveMenuBarEntry(int) override {}
  void RedrawMenuBar() override {}
};

class FuzzHost final : public HostPort {
 public:
  // host.ini by section and key.
  std::map<std::pair<std::string, std::string>, std::string> ini;
  MethodDbRecord record{};  // record 1 of the method database

  void SetDialogSlot(int, WindowRef) override {}
  bool GetIniWindPos(std::string_view section, std::string_view key, WindowPos& pos) override {
    const auto stored = hostutil::ParseWindowPos(Ini(section, key));
    if (stored) pos = *stored;
    return stored.has_value();
  }
  void SetIniWindPos(std::string_view section, std::string_view key,
                     const WindowPos& pos) override {
    ini[{std::string(section), std::string(key)}] = hostutil::FormatWindowPos(pos);
  }
  WindowPos ObtainWindPos(WindowRef window) override {
    return window == 1 ? WindowPos{0, 1, 40, 30, 552, 430} : WindowPos{0, 1, 0, 0, 1024, 768};
  }
  std::string GetIniString(std::string_view section, std::string_view key,
                           std::string_view defaultText, int bufferSize) override {
    const auto found = ini.find({std::string(section), std::string(key)});
    std::vector<char> buffer(static_cast<std::size_t>(std::max(bufferSize, 1)));
    CopyBounded(buffer.data(), buffer.size(),
                found == ini.end() ? defaultText : std::string_view(found->second));
    return buffer.data();
  }
  std::string Ftoa(double value, int decimals) override {
    char buffer[kFtoaBufferSize];
    hostutil::FormatFixed(value, decimals, buffer, sizeof buffer);
    return buffer;
  }
  void ReportMessage(std::string_view, std::string_view) override {}
  void ReportOutOfRange(std::string_view) override {}
  void ReportDatabaseNotOpened(std::string_view) override {}
  void GetGlobalFile(GlobalFileEntry& entry) override {
    entry = GlobalFileEntry{};
    const hostutil::PathParts parts = hostutil::SplitPath(Ini("SystemList", "GC_DB"));
    if (hostutil::RegistryPath(parts)) hostutil::StorePathParts(parts, entry);
  }
  void SetGlobalFile(const GlobalFileEntry& entry) override {
    const auto path = hostutil::RegistryPath(hostutil::ReadPathParts(entry));
    if (path) ini[{"SystemList", "GC_DB"}] = *path;
  }
  int GenGetNormalFile(WindowRef, FileRequest&) override { return 0; }
  int GenSetNormalFile(WindowRef, FileRequest&) override { return 0; }
  int DB3Open(int, int, int) override { return 0; }
  int DB3HandleRecord(int, int number, void* buffer, int operation, int) override {
    if (number != kMethodRecordNumber) return 1;
    if (operation == kFetch) std::memcpy(buffer, record.bytes.data(), record.bytes.size());
    if (operation == kStore) std::memcpy(record.bytes.data(), buffer, record.bytes.size());
    return 0;
  }
  int DB3Close(int) override { return 0; }
  int LogEvent(int, int, int, std::string_view, int) override { return 0; }

 private:
  static constexpr int kFetch = 1, kStore = 3;  // the editor's record operations

  std::string Ini(std::string_view section, std::string_view key) {
    const auto found = ini.find({std::string(section), std::string(key)});
    return found == ini.end() ? std::string() : found->second;
  }
};
