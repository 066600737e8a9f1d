// The host's libraries as maps: INI strings, stored positions and dialog slots, the file
// registry and file dialogs, the record database and the audit trail, set up and read
// back by the test, and a log of every call in order with its arguments.
#pragma once

#include <cstdint>
#include <functional>
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
  int DB3Open(int database, int reserved, int mode) override;
  int DB3HandleRecord(int database, int record, void* buffer, int operation, int flag) override;
  int DB3Close(int database) override;
  int LogEvent(int a, int b, int c, std::string_view text, int d) override;

 private:
  int RunFileDialog(const char* name, int result, WindowRef owner, FileRequest& request);
};

// A registry entry naming a directory, a file name and an extension.
GlobalFileEntry FileEntry(std::string_view directory, std::string_view name,
                          std::string_view extension);
