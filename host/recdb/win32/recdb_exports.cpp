// DB3Open / DB3HandleRecord / DB3Close: the record database on the file that the host's
// registry names, one process-wide set of sessions guarded by a lock.
#include "recdb.h"

#include <mutex>
#include <string>

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

// One call at a time, behind the barrier that keeps exceptions out of the host.
template <class Body>
int Guarded(Body&& body) noexcept {
  return NoThrow(int{recdb::kInternalError}, [&] {
    const std::lock_guard<std::mutex> hold(SessionLock());
    return body();
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
