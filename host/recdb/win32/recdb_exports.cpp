// DB3Open / DB3HandleRecord / DB3Close: the record database on the file that the host's
// registry names, one process-wide set of sessions guarded by a lock. A write that fails
// is logged in the audit trail and shown through the host's messages.
#include "recdb.h"

#include <mutex>
#include <optional>
#include <string>

#include "audit.h"
#include "hostutil.h"
#include "no_throw.h"
#include "hostutil/core/path_parts.h"
#include "recdb/core/record_database.h"
#include "win32_file_system.h"

namespace {

std::mutex& SessionLock() {
  static std::mutex lock;
  return lock;
}

recdb::RecordDatabase& Sessions() {
  static recdb::Win32FileSystem files;
  static recdb::RecordDatabase database(files);
  return database;
}

// The method database's file as the registry names it now ("" when it names none).
std::string RegisteredFile() {
  GlobalFileEntry entry{};
  if (!GetGlobalFile("SystemList", "GC_DB", &entry, &entry)) return {};
  return hostutil::JoinPath(hostutil::ReadPathParts(entry));
}

// The audit entry first, so that the trail says so even if the host is ended while the
// message is up.
void Report(const recdb::WriteFailure& failure) {
  LogEvent(recdb::kAuditSource, recdb::kAuditWriteFailed, failure.database,
           recdb::FailureAuditText(failure).c_str(), failure.result);
  MsgReport(kMsgDatabaseNotWritten, failure.path.c_str(), recdb::FailureReason(failure).c_str());
}

// One call at a time, behind the barrier that keeps exceptions out of the host. A failed
// write is reported after the lock is released: the message box runs a message loop in
// which the host may call this library again.
template <class Body>
int Guarded(Body&& body) noexcept {
  return NoThrow(int{recdb::kInternalError}, [&] {
    std::optional<recdb::WriteFailure> failure;
    int result = 0;
    {
      const std::lock_guard<std::mutex> hold(SessionLock());
      result = body();
      failure = Sessions().TakeWriteFailure();
    }
    if (failure) Report(*failure);
    return result;
  });
}

}  // namespace

RECDB_API int WINAPI DB3Open(int database, int /*reserved*/, int mode) {
  return Guarded([&] { return Sessions().Open(database, RegisteredFile(), mode); });
}

RECDB_API int WINAPI DB3HandleRecord(int database, int record, void* buffer, int operation,
                                     int flag) {
  return Guarded(
      [&] { return Sessions().HandleRecord(database, record, buffer, operation, flag); });
}

RECDB_API int WINAPI DB3Close(int database) {
  return Guarded([&] { return Sessions().Close(database); });
}
