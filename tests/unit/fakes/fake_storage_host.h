// The host as storage sees it: the file registry, the two file dialogs, the record
// database and the audit library, each scripted by the test and logged with its
// arguments in call order. The rest of the host comes from FakeHost.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "fakes/fake_host.h"
#include "storage/method_record.h"

class FakeStorageHost : public FakeHost {
 public:
  std::vector<std::string> calls;
  GlobalFileEntry registry{};  // what GetGlobalFile gives and SetGlobalFile replaces

  // File dialogs: their result, and the file they leave in the request when it is not 0.
  int saveDialogResult = 1;
  int openDialogResult = 1;
  std::string chosenDirectory = "d:\\chosen", chosenName = "picked", chosenExtension = "mdb";
  std::vector<FileRequest> dialogRequests;  // as the dialogs received them

  // Record database: DB3Open's result by mode (0 when not listed), the fetch and close
  // results, and the one record it holds.
  std::map<int, int> openResult;
  int fetchResult = 0;
  int storeResult = 0;
  int closeResult = 0;
  MethodDbRecord record{};
  int stores = 0;

  std::vector<std::string> auditTexts;

  void SetRegistry(const char* directory, const char* name, const char* extension);

  void GetGlobalFile(GlobalFileEntry& entry) override;
  void SetGlobalFile(const GlobalFileEntry& entry) override;
  int GenGetNormalFile(WindowRef owner, FileRequest& request) override;
  int GenSetNormalFile(WindowRef owner, FileRequest& request) override;
  void ReportDatabaseNotOpened(std::string_view name) override;
  int DB3Open(int database, int reserved, int mode) override;
  int DB3HandleRecord(int database, int record, void* buffer, int operation, int flag) override;
  int DB3Close(int database) override;
  int LogEvent(int a, int b, int c, std::string_view text, int d) override;

 private:
  int RunDialog(const char* name, int result, WindowRef owner, FileRequest& request);
};
