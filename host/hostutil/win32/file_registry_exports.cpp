// GetGlobalFile / SetGlobalFile: the host's registry of current files, kept in host.ini
// as one full path per entry ([SystemList] GC_DB=C:\data\methods.db).
#include "hostutil.h"

#include "host_ini.h"
#include "no_throw.h"
#include "hostutil/core/path_parts.h"

HOSTUTIL_API int WINAPI GetGlobalFile(const char* listName, const char* entryName,
                                      GlobalFileEntry* entry, GlobalFileEntry* /*sameEntry*/) {
  if (entry == nullptr) return 0;
  // A caller that goes on after a 0 must find empty names, not the previous file's.
  entry->directory[0] = entry->fileName[0] = entry->extension[0] = '\0';
  entry->word1 = entry->word2 = 0;
  if (listName == nullptr || entryName == nullptr) return 0;
  return NoThrow(0, [&] {
    // A path too long for the fields (a hand-edited host.ini) reads as not registered.
    const hostutil::PathParts parts =
        hostutil::SplitPath(hostutil::ReadIniValue(listName, entryName, ""));
    if (!hostutil::RegistryPath(parts)) return 0;
    hostutil::StorePathParts(parts, *entry);
    return 1;
  });
}

HOSTUTIL_API int WINAPI SetGlobalFile(const char* listName, const char* entryName,
                                      const GlobalFileEntry* entry, int write) {
  // The registry lives only in host.ini: without `write` there is nothing to change.
  if (entry == nullptr || listName == nullptr || entryName == nullptr || !write) return 0;
  return NoThrow(0, [&] {
    const auto path = hostutil::RegistryPath(hostutil::ReadPathParts(*entry));
    return path && hostutil::WriteIniValue(listName, entryName, path->c_str()) ? 1 : 0;
  });
}
