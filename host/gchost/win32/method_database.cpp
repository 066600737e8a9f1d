// Writing the first method database through the record-database library, exactly as the
// editor's own save does, so the file is one the library and the editor will accept.
#include "hostutil/core/path_parts.h"
#include "gchost/win32/method_database.h"

#include <windows.h>

#include "gchost/core/first_run.h"
#include "gchost/core/host_options.h"
#include "method/inlet_method.h"
#include "recdb.h"
#include "storage/method_record.h"

namespace gchost {

bool WriteDefaultMethodDatabase(const std::string& home, std::string& error) {
  const std::string path = hostutil::FileInFolder(home, kMethodDbName);
  if (GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES) return true;
  MethodDbRecord record;
  EncodeMethodRecord(DefaultMethod(), record);
  // The library works on the file the registry names: the first-run settings have just
  // registered `path`.
  int result = DB3Open(kMethodDbNumber, 0, recdb::kModeUpdate);
  if (result == recdb::kOk) {
    result = DB3HandleRecord(kMethodDbNumber, kMethodRecordNumber, record.bytes.data(),
                             recdb::kOpStore, recdb::kStoreOrAppend);
    const int closed = DB3Close(kMethodDbNumber);
    if (result == recdb::kOk) result = closed;
  }
  if (result != recdb::kOk) {
    error = "cannot create the method database " + path + " (record database result " +
            std::to_string(result) + ")";
    return false;
  }
  return true;
}

}  // namespace gchost
