// The host's libraries as maps: INI strings, stored positions and dialog slots, the file
// registry and file dialogs, the record database and the audit trail, set up and read
// back by the test, and a log of every call in order with its arguments.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "bounded_copy.h"
#include "storage/method_record.h"
#include "ui/host_port.h"

// A registry entry naming a directory, a file name and an extension.
inline GlobalFileEntry FileEntry(std::string_view directory, std::string_view name,
                                 std::string_view extension) {
  GlobalFileEntry entry{};
  CopyBounded(entry.directory, directory);
  CopyBounded(entry.fileName, name);
  CopyBounded(entry.extension, extension);
  return entry;
}

class FakeHost : public HostPort {
 public:
  using Key = std::pair<std::string, std::string>;  // section, key
  std::map<Key, std::string> ini;
  std::map<Key, WindowPos> positions;
  GlobalFileEntry globalFile{};
  std::vector<std::string> log;
  std::vector<std::pair<std::string, std::string>> reported;  // caption, text (code 9)
  std::function<void()> whileReporting;                       // runs while a message is on screen

  // The file dialogs' results; unless 0, the dialog leaves `chosenFile` in the request.
  int saveDialogResult = 0, openDialogResult = 0;
  GlobalFileEntry chosenFile{};

  // The record database as one record (empty: nothing stored, a fetch fails), DB3Open's
  // result by mode (0 when not listed) and the other results; the audit trail as texts.
  std::map<int, int> openResult;
  int fetchResult = 0, storeResult = 0, closeResult = 0;
  std::vector<uint8_t> dbRecord;
  std::vector<std::string> auditTexts;

  void SetDialogSlot(int slot, WindowRef window) override { Log("SetDialogSlot", slot, window); }
  bool GetIniWindPos(std::string_view section, std::string_view key, WindowPos& pos) override {
    const auto found = positions.find(Key(section, key));
    if (found != positions.end()) pos = found->second;
    return found != positions.end();
  }
  void SetIniWindPos(std::string_view section, std::string_view key,
                     const WindowPos& pos) override {
    positions[Key(section, key)] = pos;
  }
  WindowPos ObtainWindPos(WindowRef) override { return {}; }
  // The host copies into a buffer of bufferSize characters, terminator included.
  std::string GetIniString(std::string_view section, std::string_view key,
                           std::string_view defaultText, int bufferSize) override {
    const auto found = ini.find(Key(section, key));
    std::string value(found == ini.end() ? defaultText : std::string_view(found->second));
    if (bufferSize <= 0) return "";
    if (value.size() >= static_cast<size_t>(bufferSize)) value.resize(bufferSize - 1);
    return value;
  }
  std::string Ftoa(double value, int decimals) override {
    char buffer[kFtoaBufferSize];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
    return buffer;
  }
  void ReportMessage(std::string_view caption, std::string_view text) override {
    reported.emplace_back(caption, text);
    if (whileReporting) whileReporting();
  }
  void ReportOutOfRange(std::string_view item) override { Log("ReportOutOfRange", item); }
  void ReportDatabaseNotOpened(std::string_view name) override {
    Log("ReportDatabaseNotOpened", name);
  }
  void GetGlobalFile(GlobalFileEntry& entry) override {
    entry = globalFile;
    Log("GetGlobalFile");
  }
  void SetGlobalFile(const GlobalFileEntry& entry) override {
    globalFile = entry;
    Log("SetGlobalFile", Names(entry));
  }
  int GenGetNormalFile(WindowRef owner, FileRequest& request) override {
    return FileDialog("GenGetNormalFile", openDialogResult, owner, request);
  }
  int GenSetNormalFile(WindowRef owner, FileRequest& request) override {
    return FileDialog("GenSetNormalFile", saveDialogResult, owner, request);
  }
  int DB3Open(int database, int reserved, int mode) override {
    Log("DB3Open", database, reserved, mode);
    return openResult.count(mode) ? openResult[mode] : 0;
  }
  int DB3HandleRecord(int database, int record, void* buffer, int operation, int flag) override {
    Log("DB3HandleRecord", database, record, operation, flag);
    const auto* bytes = static_cast<const uint8_t*>(buffer);
    if (operation == 3) {
      dbRecord.assign(bytes, bytes + kMethodRecordSize);
      return storeResult;
    }
    if (fetchResult != 0) return fetchResult;
    if (dbRecord.size() != kMethodRecordSize) return 1;
    std::memcpy(buffer, dbRecord.data(), kMethodRecordSize);
    return 0;
  }
  int DB3Close(int database) override {
    Log("DB3Close", database);
    return closeResult;
  }
  int LogEvent(int a, int b, int c, std::string_view text, int d) override {
    Log("LogEvent", a, b, c, d);
    auditTexts.emplace_back(text);
    return 0;
  }

 private:
  // A call and its arguments, separated by blanks.
  template <typename... Args>
  void Log(const char* call, const Args&... args) {
    std::string line = call;
    ((line += " " + Text(args)), ...);
    log.push_back(line);
  }
  static std::string Text(std::string_view text) { return std::string(text); }
  static std::string Text(const std::string& text) { return text; }
  static std::string Text(long long value) { return std::to_string(value); }
  template <class Block>
  static std::string Names(const Block& block) {
    return std::string(ReadBounded(block.directory)) + "|" +
           std::string(ReadBounded(block.fileName)) + "|" +
           std::string(ReadBounded(block.extension));
  }
  int FileDialog(const char* name, int result, WindowRef owner, FileRequest& request) {
    Log(name, static_cast<long long>(owner), std::string(ReadBounded(request.title)),
        Names(request));
    if (result != 0) {
      CopyBounded(request.directory, ReadBounded(chosenFile.directory));
      CopyBounded(request.fileName, ReadBounded(chosenFile.fileName));
      CopyBounded(request.extension, ReadBounded(chosenFile.extension));
    }
    return result;
  }
};
