// HostPort over the host's libraries, reached through their import libraries.
#pragma once

#include "ui/host_port.h"

class Win32Host final : public HostPort {
 public:
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
  int LogEvent(int source, int kind, int detail, std::string_view text, int extra) override;
};
