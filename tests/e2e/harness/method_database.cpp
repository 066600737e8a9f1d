// Method databases for the tests, through the same library the editor uses.
#include "harness/method_database.h"

#include "method/inlet_method.h"
#include "recdb/recdb.h"

namespace e2e {

MethodDbRecord DefaultMethodRecord() {
  const InletMethod saved = inletMethod;
  SetMethodDefaults();
  MethodDbRecord record;
  EncodeMethodRecord(inletMethod, record);
  inletMethod = saved;
  return record;
}

bool WriteMethodDatabase(const HostHome& home, const MethodDbRecord& record,
                         const std::string& fileName) {
  home.WriteIni("SystemList", "GC_DB", home.File(fileName).c_str());
  MethodDbRecord copy = record;
  if (DB3Open(kMethodDbNumber, 0, recdb::kModeUpdate) != 0) return false;
  const int stored =
      DB3HandleRecord(kMethodDbNumber, kMethodRecordNumber, copy.bytes.data(), recdb::kOpStore, 1);
  return DB3Close(kMethodDbNumber) == 0 && stored == 0;
}

bool ReadMethodDatabase(MethodDbRecord& record) {
  if (DB3Open(kMethodDbNumber, 0, recdb::kModeRead) != 0) return false;
  const int fetched = DB3HandleRecord(kMethodDbNumber, kMethodRecordNumber, record.bytes.data(),
                                      recdb::kOpFetch, 0);
  return DB3Close(kMethodDbNumber) == 0 && fetched == 0;
}

bool InstallDefaultMethodDatabase(const HostHome& home) {
  return WriteMethodDatabase(home, DefaultMethodRecord());
}

}  // namespace e2e
