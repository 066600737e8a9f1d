// The host's utility library as maps: INI strings, stored positions and dialog slots
// that the test sets up and reads back, and a log of every call in order.
#pragma once

#include <functional>
#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "ui/host_port.h"

class FakeHost : public HostPort {
 public:
  std::map<std::pair<std::string, std::string>, std::string> ini;
  std::map<std::pair<std::string, std::string>, WindowPos> positions;
  std::map<WindowRef, WindowPos> windowRects;  // what ObtainWindPos reports
  std::map<int, WindowRef> slots;
  GlobalFileEntry globalFile{};
  std::vector<std::string> log;
  std::vector<std::pair<std::string, std::string>> reported;  // caption, text (code 9)
  std::function<void()> whileReporting;  // runs while a message is on screen

  void SetDialogSlot(int slot, WindowRef window) override;
  bool GetIniWindPos(std::string_view section, std::string_view key, WindowPos& pos) override;
  void SetIniWindPos(std::string_view section, std::string_view key, const WindowPos& pos) override;
  WindowPos ObtainWindPos(WindowRef window) override;
  std::string GetIniString(std::string_view section, std::string_view key,
                           std::string_view defaultText, int bufferSize) override;
  std::string Ftoa(double value, int decimals) override;
  void ReportMessage(std::string_view caption, std::string_view text) override;
  void ReportOutOfRange(std::string_view item) override;
  void ReportDatabaseNotOpened(std::string_view name) override;
  void GetGlobalFile(GlobalFileEntry& entry) override;
  void SetGlobalFile(const GlobalFileEntry& entry) override;
  int GenGetNormalFile(WindowRef owner, FileRequest& request) override;
  int GenSetNormalFile(WindowRef owner, FileRequest& request) override;

  // The record database as one record in memory (empty: nothing stored, a fetch fails)
  // and the audit trail as its texts.
  int dbOpenResult = 0;
  std::vector<uint8_t> dbRecord;
  std::vector<std::string> auditTexts;
  int DB3Open(int database, int reserved, int mode) override;
  int DB3HandleRecord(int database, int record, void* buffer, int operation, int flag) override;
  int DB3Close(int database) override;
  int LogEvent(int a, int b, int c, std::string_view text, int d) override;
};
