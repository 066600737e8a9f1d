// The host's libraries as the portable logic sees them: the general utility library
// (INI file, window positions, file registry, formatting, messages, file dialogs) and,
// as they are needed, the record-database and audit libraries.
#pragma once

#include <string>
#include <string_view>

#include "ui/window_ref.h"
#include "hostutil_types.h"
#include "recdb_codes.h"

class HostPort {
 public:
  virtual ~HostPort() = default;

  virtual void SetDialogSlot(int slot, WindowRef window) = 0;
  virtual bool GetIniWindPos(std::string_view section, std::string_view key, WindowPos& pos) = 0;
  virtual void SetIniWindPos(std::string_view section, std::string_view key,
                             const WindowPos& pos) = 0;
  virtual WindowPos ObtainWindPos(WindowRef window) = 0;
  // The INI text of section/key, read into a buffer of `bufferSize` characters.
  virtual std::string GetIniString(std::string_view section, std::string_view key,
                                   std::string_view defaultText, int bufferSize) = 0;
  virtual std::string Ftoa(double value, int decimals) = 0;
  virtual void ReportMessage(std::string_view caption, std::string_view text) = 0;  // code 9
  virtual void ReportOutOfRange(std::string_view item) = 0;                         // code 4
  virtual void ReportDatabaseNotOpened(std::string_view name) = 0;                  // code 8
  virtual void GetGlobalFile(GlobalFileEntry& entry) = 0;  // "SystemList" / "GC_DB"
  virtual void SetGlobalFile(const GlobalFileEntry& entry) = 0;
  virtual int GenGetNormalFile(WindowRef owner, FileRequest& request) = 0;
  virtual int GenSetNormalFile(WindowRef owner, FileRequest& request) = 0;

  // The record-database library; its modes, operations, flags and results (kOk is
  // success) are recdb's. The database file is the one the registry names
  // ("SystemList" / "GC_DB") when DB3Open is called; `buffer` holds one record of the
  // database's fixed size.
  virtual int DB3Open(int database, int reserved, int mode) = 0;
  virtual int DB3HandleRecord(int database, int record, void* buffer, int operation, int flag) = 0;
  virtual int DB3Close(int database) = 0;
  // The audit library: appends one entry to the host's audit trail. 0 when it is on
  // the disk.
  virtual int LogEvent(int source, int kind, int detail, std::string_view text, int extra) = 0;
};
