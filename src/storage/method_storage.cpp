// The four storage operations as sequences of host calls.
#include "storage/method_storage.h"

#include <cstdio>
#include <string>

#include "method/inlet_method.h"
#include "storage/file_blocks.h"
#include "storage/method_record.h"

namespace {

constexpr const char* kCaption = "TOVREX";
constexpr const char* kSaveQuestion = "Dialog has Changed. Save changes ?";
constexpr const char* kSaveTitle = "Save File As";
constexpr const char* kOpenTitle = "Open";
constexpr const char* kDatabaseName = "GC DataBase";
constexpr const char* kOtherInstrument =
    "The data base currently selected will \nonly work with a %s autosampler\n\n"
    "Default Parameters will be used";

// Audit event numbers of a method save.
constexpr int kAuditSource = 1, kAuditKind = 3, kAuditDetail = 0, kAuditExtra = 0;

GlobalFileEntry CurrentDatabaseEntry(HostPort& host) {
  GlobalFileEntry entry{};
  host.GetGlobalFile(entry);
  return entry;
}

std::string OtherInstrumentMessage(const std::string& storedName) {
  // The stored name is at most 11 characters, so the text always fits.
  char text[256];
  std::snprintf(text, sizeof text, kOtherInstrument, storedName.c_str());
  return text;
}

// Stores the current method as record 1 of the database the registry names now. True
// when it is on the disk.
bool WriteMethodRecord(const InletMethod& method, HostPort& host) {
  if (host.DB3Open(kMethodDbNumber, 0, recdb::kModeUpdate) != recdb::kOk) return false;
  MethodDbRecord record;
  EncodeMethodRecord(method, record);
  host.DB3HandleRecord(kMethodDbNumber, kMethodRecordNumber, record.bytes.data(), recdb::kOpStore,
                       recdb::kStoreOrAppend);
  return host.DB3Close(kMethodDbNumber) == recdb::kOk;
}

// Fetches record 1 and, when it holds a method of this instrument, copies it into the
// method. True when copied; on false the method is unchanged.
bool ReadMethodRecord(InletMethod& method, DialogPort& owner, HostPort& host) {
  if (host.DB3Open(kMethodDbNumber, 0, recdb::kModeRead) != recdb::kOk) return false;
  MethodDbRecord record{};
  if (host.DB3HandleRecord(kMethodDbNumber, kMethodRecordNumber, record.bytes.data(),
                           recdb::kOpFetch, 0) != recdb::kOk) {
    host.DB3Close(kMethodDbNumber);
    return false;
  }
  if (host.DB3Close(kMethodDbNumber) != recdb::kOk) return false;
  const std::string storedName = StoredInstrumentName(record);
  if (storedName != kInstrumentName) {
    owner.Ask(OtherInstrumentMessage(storedName), kCaption, AskKind::kOkInformation);
    return false;
  }
  DecodeMethodRecord(record, method);
  return true;
}

}  // namespace

bool SaveMethod(const InletMethod& method, const EditorValues& values, DialogPort& owner,
                HostPort& host, FileChoice file, SavePrompt prompt) {
  const bool askName = file == FileChoice::kAsk;
  if (!values.methodModified && !askName) return true;
  if (prompt == SavePrompt::kAskFirst) {
    switch (owner.Ask(kSaveQuestion, kCaption, AskKind::kYesNoCancel)) {
      case Answer::kNo: return true;
      case Answer::kYes: break;
      default: return false;
    }
  }
  GlobalFileEntry entry = CurrentDatabaseEntry(host);
  if (askName || values.methodUntitled) {
    FileRequest request = MakeFileRequest(kSaveTitle, entry);
    if ((host.GenSetNormalFile(owner.Self(), request) & 0xFFFF) == 0) return false;
    TakeChosenFile(request, entry);
  }
  // The audit entry and the registry switch stand whatever the write's outcome.
  host.LogEvent(kAuditSource, kAuditKind, kAuditDetail, SaveAuditText(FullPath(entry)),
                kAuditExtra);
  host.SetGlobalFile(entry);
  host.DB3Open(kMethodDbNumber, 0, recdb::kModeCheck);
  return WriteMethodRecord(method, host);
}

bool OpenMethod(InletMethod& method, DialogPort& owner, HostPort& host, FileChoice file) {
  GlobalFileEntry entry = CurrentDatabaseEntry(host);
  if (file == FileChoice::kAsk) {
    FileRequest request = MakeFileRequest(kOpenTitle, entry);
    if ((host.GenGetNormalFile(owner.Self(), request) & 0xFFFF) != 1) return false;
    TakeChosenFile(request, entry);
  }
  host.SetGlobalFile(entry);
  if (host.DB3Open(kMethodDbNumber, 0, recdb::kModeCheck) != recdb::kOk) {
    host.ReportDatabaseNotOpened(kDatabaseName);
    return false;
  }
  return ReadMethodRecord(method, owner, host);
}
